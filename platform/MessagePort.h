#pragma once
// Posted window messages between processes. The receiving side owns a positive 32-bit
// number and binds the datagram socket msg-<number>.sock in the runtime folder; a message
// is one 12-byte datagram of three little-endian signed 32-bit integers.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

struct PostedMessage {
    int32_t message = 0;
    int32_t wParam = 0;
    int32_t lParam = 0;
};

constexpr int32_t kWmKeyUp = 257;
// Bit 29 of a key message's second parameter: the context code (Alt held).
constexpr int32_t kKeyContextBit = 536870912;

// Sends the message without blocking. Every failure is ignored: a number with no
// receiver, a full queue or a missing runtime folder all leave no trace.
void postMessage(int32_t target, const PostedMessage& msg);

// The receiving end of one number. Not copyable; the socket file goes with the object.
class MessageReceiver {
public:
    MessageReceiver() = default;
    ~MessageReceiver();
    MessageReceiver(const MessageReceiver&) = delete;
    MessageReceiver& operator=(const MessageReceiver&) = delete;

    // Binds msg-<number>.sock, replacing a stale socket file of that name. Returns an
    // error text when the runtime folder or the socket cannot be had.
    std::optional<std::string> open(int32_t number);
    void close();

    // Non-blocking descriptor to watch for readability; -1 when closed.
    int fd() const { return fd_; }
    int32_t number() const { return number_; }

    // The next waiting message, if any; datagrams of any other size are dropped.
    std::optional<PostedMessage> receive();

private:
    int fd_ = -1;
    int32_t number_ = 0;
    std::string path_;
};

// The socket file a number is reached at, or no value without a runtime folder.
std::optional<std::string> messagePortPath(int32_t number);

} // namespace platform
