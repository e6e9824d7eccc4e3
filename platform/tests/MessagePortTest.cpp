#include "MessagePort.h"
#include "RuntimeDir.h"
#include "RuntimeDirScope.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using platform::MessageReceiver;
using platform::PostedMessage;

TEST(MessagePort, PostedMessageArrivesWithAllThreeFields) {
    RuntimeDirScope scope;
    MessageReceiver receiver;
    ASSERT_FALSE(receiver.open(4242).has_value());

    platform::postMessage(4242, {platform::kWmKeyUp, 58, platform::kKeyContextBit});
    platform::postMessage(4242, {platform::kWmKeyUp, 58, 0});
    platform::postMessage(4242, {-1, -2147483647 - 1, 2147483647});

    auto first = receiver.receive();
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->message, 257);
    EXPECT_EQ(first->wParam, 58);
    EXPECT_EQ(first->lParam, 536870912);
    auto second = receiver.receive();
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->lParam, 0);
    auto third = receiver.receive();
    ASSERT_TRUE(third.has_value());
    EXPECT_EQ(third->message, -1);
    EXPECT_EQ(third->wParam, -2147483647 - 1);
    EXPECT_EQ(third->lParam, 2147483647);
    EXPECT_FALSE(receiver.receive().has_value()) << "nothing else is waiting";
}

TEST(MessagePort, PostToANumberWithNoReceiverHasNoEffect) {
    RuntimeDirScope scope;
    platform::postMessage(-5, {platform::kWmKeyUp, 58, 0});
    platform::postMessage(77, {platform::kWmKeyUp, 58, 0});
    // No socket file appears and nothing was left behind in the runtime folder but its own subfolder.
    EXPECT_FALSE(std::filesystem::exists(scope.path() / "melodeck" / "msg-77.sock"));
}

TEST(MessagePort, DatagramsOfAnotherSizeAreDropped) {
    RuntimeDirScope scope;
    MessageReceiver receiver;
    ASSERT_FALSE(receiver.open(99).has_value());
    auto path = platform::messagePortPath(99);
    ASSERT_TRUE(path.has_value());

    int fd = socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", path->c_str());
    const char shortPacket[5] = {1, 2, 3, 4, 5};
    sendto(fd, shortPacket, sizeof shortPacket, 0, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    const char longPacket[20] = {};
    sendto(fd, longPacket, sizeof longPacket, 0, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    close(fd);
    platform::postMessage(99, {257, 58, 0});

    auto msg = receiver.receive();
    ASSERT_TRUE(msg.has_value());
    EXPECT_EQ(msg->wParam, 58);
}

TEST(MessagePort, PostNeverBlocksOnAFullQueue) {
    RuntimeDirScope scope;
    MessageReceiver receiver;
    ASSERT_FALSE(receiver.open(7).has_value());
    // Far more than a socket queue holds; a blocking send would hang the test here.
    for (int i = 0; i < 100000; ++i)
        platform::postMessage(7, {257, 58, i});
    EXPECT_TRUE(receiver.receive().has_value());
}

TEST(MessagePort, ClosingTheReceiverRemovesItsSocketFile) {
    RuntimeDirScope scope;
    auto path = platform::messagePortPath(31);
    ASSERT_TRUE(path.has_value());
    {
        MessageReceiver receiver;
        ASSERT_FALSE(receiver.open(31).has_value());
        EXPECT_TRUE(std::filesystem::exists(*path));
    }
    EXPECT_FALSE(std::filesystem::exists(*path));
}

TEST(RuntimeDir, IsPrivateAndRefusesAFolderOfAnotherUser) {
    RuntimeDirScope scope;
    auto dir = platform::runtimeDir();
    ASSERT_TRUE(dir.has_value());
    EXPECT_EQ(std::filesystem::status(*dir).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);
    if (getuid() != 0)
        GTEST_SKIP() << "handing the folder to another user needs root";
    ASSERT_EQ(chown(dir->c_str(), 12345, 12345), 0);
    EXPECT_FALSE(platform::runtimeDir().has_value());
}
