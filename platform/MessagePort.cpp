#include "MessagePort.h"

#include "RuntimeDir.h"

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {
namespace {

void putLe32(unsigned char* at, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<unsigned char>(u >> (8 * i));
}

int32_t getLe32(const unsigned char* at) {
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<uint32_t>(at[i]) << (8 * i);
    return static_cast<int32_t>(u);
}

std::optional<sockaddr_un> addressOf(const std::string& path) {
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (path.size() >= sizeof(addr.sun_path))
        return std::nullopt;
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    return addr;
}

} // namespace

std::optional<std::string> messagePortPath(int32_t number) {
    auto dir = runtimeDir();
    if (!dir)
        return std::nullopt;
    return *dir + "/msg-" + std::to_string(number) + ".sock";
}

void postMessage(int32_t target, const PostedMessage& msg) {
    auto path = messagePortPath(target);
    if (!path)
        return;
    auto addr = addressOf(*path);
    if (!addr)
        return;
    int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return;
    unsigned char packet[12];
    putLe32(packet, msg.message);
    putLe32(packet + 4, msg.wParam);
    putLe32(packet + 8, msg.lParam);
    (void)sendto(fd, packet, sizeof packet, MSG_NOSIGNAL, reinterpret_cast<const sockaddr*>(&*addr),
                 sizeof *addr);
    ::close(fd);
}

MessageReceiver::~MessageReceiver() { close(); }

std::optional<std::string> MessageReceiver::open(int32_t number) {
    close();
    auto path = messagePortPath(number);
    if (!path)
        return "No private runtime folder for the message port.";
    auto addr = addressOf(*path);
    if (!addr)
        return "Runtime folder path too long for a message port: " + *path;
    int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return std::string("Cannot create the message port: ") + std::strerror(errno);
    ::unlink(path->c_str()); // a stale socket left by a crashed run of this number
    if (bind(fd, reinterpret_cast<const sockaddr*>(&*addr), sizeof *addr) != 0) {
        std::string err = std::string("Cannot bind the message port: ") + std::strerror(errno);
        ::close(fd);
        return err;
    }
    fd_ = fd;
    number_ = number;
    path_ = *path;
    return std::nullopt;
}

void MessageReceiver::close() {
    if (fd_ < 0)
        return;
    ::close(fd_);
    ::unlink(path_.c_str());
    fd_ = -1;
    number_ = 0;
    path_.clear();
}

std::optional<PostedMessage> MessageReceiver::receive() {
    while (fd_ >= 0) {
        unsigned char packet[16];
        ssize_t n = recv(fd_, packet, sizeof packet, MSG_TRUNC);
        if (n < 0)
            return std::nullopt;
        if (n == 12)
            return PostedMessage{getLe32(packet), getLe32(packet + 4), getLe32(packet + 8)};
    }
    return std::nullopt;
}

} // namespace platform
