#pragma once
// Starting programs with an argument vector, never through a shell. A bare program name
// is looked up in the given folder first, then on PATH.
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The file a program name resolves to, or no value when it is nowhere to be run.
std::optional<std::string> findProgram(const std::string& name, const std::string& firstFolder);

// Starts the program and does not wait for it; the child is reaped in the background so it
// leaves no zombie. Returns false when it could not be started.
bool startDetached(const std::string& name, const std::vector<std::string>& args,
                   const std::string& firstFolder);

// Starts the program, waits for it and returns its exit code; -1 when it could not be
// started or did not exit normally.
int runAndWait(const std::string& name, const std::vector<std::string>& args,
               const std::string& firstFolder);

} // namespace platform
