#include "Messages.h"

#include <cstdio>

namespace notebend::messages {
namespace {

template <typename... Args> std::string printed(const char* format, Args... args) {
    char text[512];
    const int length = std::snprintf(text, sizeof text, format, args...);
    if (length < 0)
        return {};
    if (static_cast<size_t>(length) < sizeof text)
        return std::string(text, static_cast<size_t>(length));
    std::string longer(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(longer.data(), longer.size(), format, args...);
    longer.resize(static_cast<size_t>(length));
    return longer;
}

} // namespace

std::string cannotCreate(const char* file) {
    return printed("Cannot create %s", file);
}
std::string invalidSteps(int steps) {
    return printed("Invalid TrPara: %d", steps);
}
std::string cannotCreateOutput(const char* file) {
    return printed("Cannot create %s.\n", file);
}
std::string cannotWriteOutput(const char* file) {
    return printed("Cannot write %s.\n", file);
}
std::string songNotFound(const char* path) {
    return printed("%s not found.\n", path);
}
std::string notEnoughMemory(const char* path) {
    return printed("Not enough memory for %s.\n", path);
}
std::string invalidHeader() {
    return "Invalid file's description";
}
std::string unknownFileType(unsigned format) {
    return printed("Unknown File Type %u.", format);
}
std::string trackNotFound(uint64_t chunkOffset) {
    return printed("%llu: MTrk not found.", static_cast<unsigned long long>(chunkOffset + 1));
}
std::string varLenTooLong() {
    return "Error Common GetDtTime.\n";
}
std::string noRunningStatus(unsigned runningType) {
    return printed("\n=>GlSt Error: %02X (%03u)", runningType, runningType);
}
std::string sysexNotClosed() {
    return "Error: EOF while finding 0xF7";
}
std::string unbalancedNotes(int32_t balance) {
    return printed("\nTranspose error: %ld", static_cast<long>(balance));
}

std::string overlappingChunks() {
    return "Track chunks overlap: the song's chunk lengths lead back into copied data.\n";
}

} // namespace notebend::messages
