#pragma once
// Programs started with an argument vector, never through a shell, and not waited for.
#include "ProcessStarter.h"

class DetachedProcessStarter : public ProcessStarter {
public:
    bool start(const std::string& program, const std::vector<std::string>& arguments,
               const std::string& firstFolder) override;
};
