#include "WorkFolder.h"

#include "RuntimeDir.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::optional<std::string> workFolder() {
    const auto runtime = runtimeDir();
    if (!runtime)
        return std::nullopt;
    const std::string folder = *runtime + "/work";
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return std::nullopt;
    struct stat st {};
    if (lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid() ||
        (st.st_mode & 0777) != 0700)
        return std::nullopt;
    return folder;
}

void clearFolder(const std::string& folder) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
    if (!dir)
        return;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        unlinkat(dirfd(dir.get()), name.c_str(), 0);
    }
}

} // namespace platform
