#include "StaleSessionFiles.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string_view>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {
namespace {

bool isPortSocketName(const std::string& name) {
    constexpr std::string_view prefix = "msg-", suffix = ".sock";
    if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) ||
        !name.ends_with(suffix))
        return false;
    for (size_t i = prefix.size(); i < name.size() - suffix.size(); ++i)
        if (name[i] < '0' || name[i] > '9')
            return false;
    return true;
}

bool sameEntry(const std::string& path, const struct stat& seen) {
    struct stat now {};
    return lstat(path.c_str(), &now) == 0 && now.st_dev == seen.st_dev && now.st_ino == seen.st_ino;
}

// Only a refused connect means the receiver is gone; any other failure keeps the socket.
bool nobodyReceives(const std::string& path) {
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (path.size() >= sizeof addr.sun_path)
        return false;
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool refused = connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0 &&
                         errno == ECONNREFUSED;
    ::close(fd);
    return refused;
}

void removeIfNobodyReceives(const std::string& path) {
    struct stat seen {};
    if (lstat(path.c_str(), &seen) != 0 || !S_ISSOCK(seen.st_mode))
        return;
    // A receiver that binds anew between the probe and the unlink has a new inode.
    if (nobodyReceives(path) && sameEntry(path, seen))
        unlink(path.c_str());
}

// Unlinked while we hold the lock, so no holder can be between its check and the unlink.
void removeIfNotHeld(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat seen {};
    if (fstat(fd, &seen) == 0 && S_ISREG(seen.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        sameEntry(path, seen))
        unlink(path.c_str());
    ::close(fd);
}

} // namespace

void removeStaleSessionFiles(const std::string& runtimeDir) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(runtimeDir.c_str()), closedir);
    if (!dir)
        return;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string name = entry->d_name;
        const std::string path = runtimeDir + "/" + name;
        if (isPortSocketName(name))
            removeIfNobodyReceives(path);
        else if (name.size() > 5 && name.ends_with(".lock"))
            removeIfNotHeld(path);
    }
}

} // namespace platform
