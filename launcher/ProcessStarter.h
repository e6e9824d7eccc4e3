#pragma once
// Starts a program by name without waiting for it.
#include <string>
#include <vector>

class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Looks the name up in firstFolder, then on PATH, and starts it with these arguments.
    // False when it could not be started.
    virtual bool start(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& firstFolder) = 0;
};
