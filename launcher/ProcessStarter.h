#pragma once
// Starts a program by name without waiting for it.
#include <string>

class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Looks the name up in firstFolder, then on PATH, and starts it with no arguments.
    // False when it could not be started.
    virtual bool start(const std::string& program, const std::string& firstFolder) = 0;
};
