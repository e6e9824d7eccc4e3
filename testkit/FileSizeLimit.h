#pragma once
// For the life of the object, a write that would make any file of this process longer than
// the limit fails (EFBIG), as on a full disk; the signal that would otherwise end the
// process is ignored meanwhile. Set it only around the code under test: it holds for every
// file the process writes.
#include <csignal>
#include <sys/resource.h>

namespace testkit {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : oldHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &old_);
        const rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int);
};

} // namespace testkit
