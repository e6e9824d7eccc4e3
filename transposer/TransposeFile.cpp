#include "TransposeFile.h"

#include "ByteSink.h"
#include "Messages.h"
#include "SafeFile.h"
#include "SongCopier.h"
#include "SongFile.h"

#include <cstdio>
#include <memory>
#include <new>
#include <optional>

namespace notebend {
namespace {

constexpr const char* errorFileName = "Error2.msg";
constexpr const char* outputFileName = "Input.bin";
constexpr int maxSteps = 6;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// "Input.bin": remembers whether every byte reached the file.
class OutputFile : public ByteSink {
public:
    explicit OutputFile(File file) : file_(std::move(file)) {}

    void write(const unsigned char* bytes, size_t count) override {
        if (std::fwrite(bytes, 1, count, file_.get()) != count)
            failed_ = true;
    }
    // Closes the file; false when any byte of the copy did not reach it.
    bool close() {
        const bool closed = std::fclose(file_.release()) == 0;
        return closed && !failed_;
    }

private:
    File file_;
    bool failed_ = false;
};

int copySong(int steps, const char* path, std::FILE* errors) {
    auto report = [errors](const std::string& message) {
        std::fputs(message.c_str(), errors);
        return -1;
    };
    if (steps > maxSteps || steps < -maxSteps)
        return report(messages::invalidSteps(steps));
    File created(platform::createFreshStream(outputFileName));
    if (!created)
        return report(messages::cannotCreateOutput(outputFileName));
    OutputFile output(std::move(created));
    const std::optional<SongFile> song = path ? SongFile::open(path) : std::nullopt;
    if (!song) {
        output.close();
        return report(messages::songNotFound(path ? path : ""));
    }
    const std::string failure = SongCopier(song->bytes(), steps, output).run();
    const bool written = output.close();
    if (!failure.empty())
        return report(failure);
    if (!written)
        return report(messages::cannotWriteOutput(outputFileName));
    return 0;
}

} // namespace

int transposeFile(int steps, const char* path) {
    File errors(platform::createFreshStream(errorFileName));
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
