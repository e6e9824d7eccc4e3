#pragma once
// The texts the transposer writes into "Error2.msg", one per failure. Line ends are part of
// the texts, and the ".", "\n" and leading "\n" differ from message to message on purpose.
#include <cstdint>
#include <string>

namespace notebend::messages {

std::string cannotCreate(const char* file); // standard output, when "Error2.msg" fails
std::string invalidSteps(int steps);
std::string cannotCreateOutput(const char* file);
std::string cannotWriteOutput(const char* file);
std::string songNotFound(const char* path);
std::string notEnoughMemory(const char* path);
std::string invalidHeader();
std::string unknownFileType(unsigned format);
std::string trackNotFound(uint64_t chunkOffset);
std::string varLenTooLong();
std::string noRunningStatus(unsigned runningType);
std::string sysexNotClosed();
std::string unbalancedNotes(int32_t balance);
std::string overlappingChunks();

} // namespace notebend::messages
