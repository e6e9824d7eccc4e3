#include "SafeFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

int createFresh(const char* path) {
    struct stat entry {};
    if (lstat(path, &entry) == 0 && (S_ISLNK(entry.st_mode) || S_ISREG(entry.st_mode)) &&
        unlink(path) != 0)
        return -1;
    // O_EXCL with O_CREAT never follows a link: one planted after the unlink fails the call.
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0)
        (void)fchmod(fd, 0600); // the umask may only take bits away; make the mode exact
    return fd;
}

std::FILE* createFreshStream(const char* path) {
    const int fd = createFresh(path);
    if (fd < 0)
        return nullptr;
    std::FILE* stream = fdopen(fd, "w");
    if (!stream) {
        const int error = errno;
        ::close(fd);
        errno = error;
    }
    return stream;
}

int openForReading(const char* path, Links links) {
    // Non-blocking so that a pipe in the file's place cannot hold the open forever.
    int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;
    if (links == Links::Refuse)
        flags |= O_NOFOLLOW;
    const int fd = ::open(path, flags);
    if (fd < 0)
        return -1;
    struct stat info {};
    int error = 0;
    if (fstat(fd, &info) != 0)
        error = errno;
    else if (S_ISDIR(info.st_mode))
        error = EISDIR;
    else if (!S_ISREG(info.st_mode))
        error = EINVAL;
    else if (fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        error = errno;
    if (error != 0) {
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

std::FILE* openStreamForReading(const char* path, Links links) {
    const int fd = openForReading(path, links);
    if (fd < 0)
        return nullptr;
    std::FILE* stream = fdopen(fd, "r");
    if (!stream) {
        const int error = errno;
        ::close(fd);
        errno = error;
    }
    return stream;
}

std::string openErrorText(int error) {
    switch (error) {
    case ELOOP:
        return "it is a symbolic link, or links lead in a loop";
    case EISDIR:
        return "it is a folder";
    case EINVAL:
        return "it is not a regular file";
    case EEXIST:
        return "something that is not a file stands in its place";
    default:
        return std::strerror(error);
    }
}

} // namespace platform
