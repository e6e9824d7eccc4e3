#pragma once
// "Is a previous instance running": an advisory lock on <program>.lock in the runtime
// folder, held for the life of the object (and so of the process that keeps it).
#include <string>

namespace platform {

class InstanceLock {
public:
    explicit InstanceLock(const std::string& program);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when another live process holds the lock of this program. Without a runtime
    // folder nothing can be known, and no previous instance is assumed.
    bool previousInstance() const { return previous_; }

private:
    int fd_ = -1;
    bool previous_ = false;
};

} // namespace platform
