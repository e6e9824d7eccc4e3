#pragma once
// A fresh temporary folder that is the current folder for as long as the object lives, as
// the application folder is for the library.
#include "TempDir.h"

#include <filesystem>

namespace notebend::test {

class CurrentFolder {
public:
    CurrentFolder() : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir_.path());
    }
    ~CurrentFolder() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

    std::filesystem::path operator/(const std::string& name) const { return dir_ / name; }

private:
    std::filesystem::path previous_;
    testkit::TempDir dir_;
};

} // namespace notebend::test
