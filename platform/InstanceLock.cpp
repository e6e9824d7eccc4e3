#include "InstanceLock.h"

#include "RuntimeDir.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// True when the descriptor's file is still the one the path names: a stale lock file may
// have been removed (and another made) between our open and our lock.
bool stillNamed(int fd, const std::string& path) {
    struct stat held {
    }, named{};
    return fstat(fd, &held) == 0 && lstat(path.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

} // namespace

InstanceLock::InstanceLock(const std::string& program) {
    auto dir = runtimeDir();
    if (!dir)
        return;
    const std::string path = *dir + "/" + program + ".lock";
    // A few rounds are plenty: each one lost means another program removed the file just then.
    for (int round = 0; round < 5; ++round) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0)
            return;
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            previous_ = true;
            ::close(fd);
            return;
        }
        if (stillNamed(fd, path)) {
            fd_ = fd;
            return;
        }
        ::close(fd);
    }
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace platform
