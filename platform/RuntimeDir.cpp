#include "RuntimeDir.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::optional<std::string> runtimeDir() {
    std::string dir;
    if (const char* xdg = std::getenv("XDG_RUNTIME_DIR"); xdg && *xdg)
        dir = std::string(xdg) + "/melodeck";
    else
        dir = "/tmp/melodeck-" + std::to_string(getuid());

    if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
        return std::nullopt;
    struct stat st {};
    if (lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid())
        return std::nullopt;
    return dir;
}

} // namespace platform
