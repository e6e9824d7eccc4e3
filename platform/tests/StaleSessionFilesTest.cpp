#include "StaleSessionFiles.h"

#include "InstanceLock.h"
#include "MessagePort.h"
#include "RuntimeDirScope.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A socket file whose receiver ended without removing it, as a crashed player leaves it.
void leaveDeadSocket(const fs::path& path) {
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, path.c_str(), sizeof addr.sun_path - 1);
    const int fd = socket(AF_UNIX, SOCK_DGRAM, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr), 0);
    close(fd);
}

TEST(StaleSessionFiles, DeadSocketsAndUnheldLocksGoWhatIsAliveStays) {
    RuntimeDirScope scope;
    platform::MessageReceiver live;
    ASSERT_FALSE(live.open(77).has_value());
    platform::InstanceLock held("melodeck");
    ASSERT_FALSE(held.previousInstance());
    const fs::path dir = scope.path() / "melodeck";
    leaveDeadSocket(dir / "msg-78.sock");
    leaveDeadSocket(dir / "other.sock");
    testkit::writeBytes(dir / "didizir.lock", {});
    testkit::writeBytes(dir / "msg-79.sock", {'n', 'o', 't'});
    fs::create_directory(dir / "fonts");

    platform::removeStaleSessionFiles(dir.string());

    const std::pair<const char*, bool> expected[] = {
        {"msg-77.sock", true},   {"melodeck.lock", true}, {"msg-78.sock", false},
        {"didizir.lock", false}, {"other.sock", true},    {"msg-79.sock", true},
        {"fonts", true},
    };
    for (const auto& [name, stays] : expected)
        EXPECT_EQ(fs::exists(fs::symlink_status(dir / name)), stays) << name;

    platform::postMessage(77, {257, 58, 0});
    EXPECT_TRUE(live.receive().has_value()) << "the live port still receives";
    platform::InstanceLock second("melodeck");
    EXPECT_TRUE(second.previousInstance()) << "the held lock still counts";
    platform::InstanceLock launcher("didizir");
    EXPECT_FALSE(launcher.previousInstance());
    EXPECT_TRUE(fs::exists(dir / "didizir.lock"));
}

} // namespace
