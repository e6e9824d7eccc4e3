#include "SessionFontDir.h"

#include "RuntimeDir.h"

#include <cerrno>
#include <sys/stat.h>

namespace platform {

std::optional<std::string> sessionFontDir() {
    auto runtime = runtimeDir();
    if (!runtime)
        return std::nullopt;
    std::string dir = *runtime + "/fonts";
    if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
        return std::nullopt;
    struct stat st {};
    if (lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return std::nullopt;
    return dir;
}

std::string sessionFontConf(const std::string& fontDir) {
    return fontDir + "/fonts.conf";
}

} // namespace platform
