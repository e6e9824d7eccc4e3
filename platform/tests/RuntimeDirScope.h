#pragma once
// Points XDG_RUNTIME_DIR at a private temporary folder for the life of the object, so a
// test never meets sockets or locks of a real session.
#include "TempDir.h"

#include <cstdlib>
#include <string>

class RuntimeDirScope {
public:
    RuntimeDirScope() {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR"))
            old_ = old;
        setenv("XDG_RUNTIME_DIR", dir_.path().c_str(), 1);
    }
    ~RuntimeDirScope() {
        if (old_.empty())
            unsetenv("XDG_RUNTIME_DIR");
        else
            setenv("XDG_RUNTIME_DIR", old_.c_str(), 1);
    }
    const std::filesystem::path& path() const { return dir_.path(); }

private:
    testkit::TempDir dir_;
    std::string old_;
};
