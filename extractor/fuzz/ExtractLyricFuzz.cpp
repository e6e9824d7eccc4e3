// Any bytes as "Input.sng": the run must end with its message, never crash, hang or read
// out of bounds, and the lyric files stay within a small multiple of the song's size.
#include "ErrorChannel.h"
#include "ExtractLyric.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace {

std::filesystem::path g_folder;

std::filesystem::path MakeFolder() {
    std::error_code ec;
    const std::filesystem::path shm = "/dev/shm";
    const auto base =
        std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
    std::string pattern = (base / "textpull-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        std::abort();
    }
    return pattern;
}

void RemoveFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(g_folder, ignored);
}

constexpr const char* kOutputs[] = {"Input0.dat", "Input0.str", "Input.tit", "Input.dat",
                                    "Input.str"};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_folder = MakeFolder();
    std::atexit(RemoveFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const char* name : kOutputs)
        std::filesystem::remove(g_folder / name);
    {
        std::ofstream song(g_folder / "Input.sng", std::ios::binary | std::ios::trunc);
        song.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    textpull::ErrorChannel errors;
    if (!errors.Create(g_folder / "Error1.msg"))
        std::abort();
    textpull::ExtractLyric(g_folder, errors);

    // An event takes at least three bytes of the song and writes at most nine; a text byte
    // writes at most three. Anything more means bytes were invented.
    const uintmax_t limit = 3 * static_cast<uintmax_t>(size) + 16;
    for (const char* name : kOutputs) {
        std::error_code ec;
        const uintmax_t written = std::filesystem::file_size(g_folder / name, ec);
        if (!ec && written > limit) {
            std::fprintf(stderr, "%s holds %ju bytes from a song of %zu\n", name, written, size);
            std::abort();
        }
    }
    return 0;
}
