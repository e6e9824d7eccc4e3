#include "InstanceLock.h"

#include "RuntimeDir.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

InstanceLock::InstanceLock(const std::string& program) {
    auto dir = runtimeDir();
    if (!dir)
        return;
    std::string path = *dir + "/" + program + ".lock";
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0)
        return;
    if (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        previous_ = true;
        ::close(fd_);
        fd_ = -1;
    }
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace platform
