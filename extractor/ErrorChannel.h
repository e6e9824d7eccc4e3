#pragma once
// "Error1.msg": the one-line message the player shows when a run fails. Plain text,
// created empty by every run; messages follow each other with nothing added between them.
#include <cstdio>
#include <filesystem>

namespace textpull {

class ErrorChannel {
public:
    ErrorChannel() = default;
    ~ErrorChannel() { Close(); }
    ErrorChannel(const ErrorChannel&) = delete;
    ErrorChannel& operator=(const ErrorChannel&) = delete;

    // Creates the file afresh (see ByteFile::Create); false when it cannot be created.
    bool Create(const std::filesystem::path& file);
    // Writes the formatted text as it is, with no line end. Ignored when not open.
    void ReportError(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void Close();

private:
    std::FILE* file_ = nullptr;
};

} // namespace textpull
