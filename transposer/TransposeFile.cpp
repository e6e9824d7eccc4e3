#include "TransposeFile.h"

#include "Messages.h"
#include "SongCopier.h"

#include <cstdio>
#include <memory>
#include <new>
#include <optional>
#include <sys/stat.h>

namespace notebend {
namespace {

constexpr const char* errorFileName = "Error2.msg";
constexpr const char* outputFileName = "Input.bin";
constexpr int maxSteps = 6;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::optional<Bytes> readSong(const char* path) {
    File in(std::fopen(path, "rb"));
    if (!in)
        return std::nullopt;
    constexpr size_t block = 64 * 1024;
    Bytes song;
    struct stat info {};
    if (fstat(fileno(in.get()), &info) == 0 && S_ISREG(info.st_mode))
        song.reserve(static_cast<size_t>(info.st_size) + block);
    for (;;) {
        const size_t had = song.size();
        song.resize(had + block);
        const size_t got = std::fread(song.data() + had, 1, block, in.get());
        song.resize(had + got);
        if (got < block)
            break;
    }
    // A folder opens on Linux but cannot be read: to the caller it is no song either.
    if (std::ferror(in.get()))
        return std::nullopt;
    return song;
}

// Writes and closes "Input.bin"; false when any byte did not reach the file.
bool writeOutput(File out, const Bytes& bytes) {
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out.get()) == bytes.size();
    return std::fclose(out.release()) == 0 && written;
}

int copySong(int steps, const char* path, std::FILE* errors) {
    auto report = [errors](const std::string& message) {
        std::fputs(message.c_str(), errors);
        return -1;
    };
    if (steps > maxSteps || steps < -maxSteps)
        return report(messages::invalidSteps(steps));
    File out(std::fopen(outputFileName, "wb"));
    if (!out)
        return report(messages::cannotCreateOutput(outputFileName));
    const char* name = path ? path : "";
    const std::optional<Bytes> song = path ? readSong(path) : std::nullopt;
    if (!song)
        return report(messages::songNotFound(name));
    const CopyResult result = SongCopier(*song, steps).run();
    const bool written = writeOutput(std::move(out), result.output);
    if (!result.ok())
        return report(result.error);
    if (!written)
        return report(messages::cannotWriteOutput(outputFileName));
    return 0;
}

} // namespace

int transposeFile(int steps, const char* path) {
    File errors(std::fopen(errorFileName, "w"));
    if (!errors) {
        std::fputs(messages::cannotCreate(errorFileName).c_str(), stdout);
        std::fflush(stdout);
        return -1;
    }
    try {
        return copySong(steps, path, errors.get());
    } catch (const std::bad_alloc&) {
        std::fputs(messages::notEnoughMemory(path ? path : "").c_str(), errors.get());
        return -1;
    }
}

} // namespace notebend
