#include "ErrorChannel.h"

#include "SafeFile.h"

#include <cstdarg>

namespace textpull {

bool ErrorChannel::Create(const std::filesystem::path& file) {
    Close();
    file_ = platform::createFreshStream(file.c_str());
    return file_ != nullptr;
}

void ErrorChannel::ReportError(const char* format, ...) {
    if (!file_)
        return;
    va_list args;
    va_start(args, format);
    std::vfprintf(file_, format, args);
    va_end(args);
}

void ErrorChannel::Close() {
    if (!file_)
        return;
    std::fclose(file_);
    file_ = nullptr;
}

} // namespace textpull
