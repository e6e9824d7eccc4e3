#include "Spawn.h"
#include "TempDir.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

namespace {

void writeScript(const std::filesystem::path& file, const std::string& body) {
    testkit::writeBytes(file, std::vector<unsigned char>(body.begin(), body.end()));
    chmod(file.c_str(), 0755);
}

} // namespace

TEST(Spawn, WaitReturnsTheExitCodeAndMinusOneWhenItCannotStart) {
    testkit::TempDir dir;
    writeScript(dir / "seven", "#!/bin/sh\nexit 7\n");
    EXPECT_EQ(platform::runAndWait("seven", {}, dir.path().string()), 7);
    EXPECT_EQ(platform::runAndWait("true", {}, dir.path().string()), 0) << "found on PATH";
    EXPECT_EQ(platform::runAndWait("no-such-program-here", {}, dir.path().string()), -1);
    EXPECT_EQ(platform::runAndWait("", {}, dir.path().string()), -1);
}

TEST(Spawn, ArgumentsArePassedAsTheyAreWithNoShell) {
    testkit::TempDir dir;
    writeScript(dir / "args", "#!/bin/sh\nprintf '%s|' \"$@\" > \"$(dirname \"$0\")/out\"\n");
    EXPECT_EQ(platform::runAndWait("args", {"/2", "a b", "$HOME;*"}, dir.path().string()), 0);
    EXPECT_EQ(testkit::readText(dir / "out"), "/2|a b|$HOME;*|");
}

TEST(Spawn, TheGivenFolderComesBeforePath) {
    testkit::TempDir dir;
    writeScript(dir / "true", "#!/bin/sh\nexit 3\n");
    EXPECT_EQ(platform::runAndWait("true", {}, dir.path().string()), 3);
}

TEST(Spawn, DetachedStartDoesNotWaitForTheChild) {
    testkit::TempDir dir;
    // The child cannot finish before the test creates "go", which it does only after the
    // start has returned: a start that waited would never return.
    writeScript(dir / "gated", "#!/bin/sh\ncd \"$(dirname \"$0\")\"\n"
                               "while [ ! -f go ]; do sleep 0.05; done\ntouch done\n");
    ASSERT_TRUE(platform::startDetached("gated", {}, dir.path().string()));
    testkit::writeBytes(dir / "go", {});
    for (int i = 0; i < 200 && !std::filesystem::exists(dir / "done"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(std::filesystem::exists(dir / "done"));
    EXPECT_FALSE(platform::startDetached("no-such-program-here", {}, dir.path().string()));
}
