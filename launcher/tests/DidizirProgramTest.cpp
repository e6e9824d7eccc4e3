// The built program, run from a copy of the application folder with every font in place,
// so that no message box waits for a person.
#include "FontFixtures.h"
#include "FontTable.h"
#include "InstanceLock.h"
#include "RuntimeDirScope.h"
#include "Spawn.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <signal.h>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

class DidizirProgram : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(fs::path(std::getenv("MELODECK_APP_DIR")) / "didizir", folder / "didizir");
        for (const char* file : FontTable)
            fs::copy_file(fontfixtures::oneFace(), folder / file);
        // Stands in for the player: leaves its process id and arguments behind and runs on,
        // so the test sees that the launcher ended without waiting for it.
        std::ofstream(folder / "melodeck") << "#!/bin/sh\n"
                                              "cd \"$(dirname \"$0\")\"\n"
                                              "echo $$ >> player.pid\n"
                                              "echo \"started with [$*]\" > player.out\n"
                                              "exec sleep 30\n";
        fs::permissions(folder / "melodeck", fs::perms::owner_all);
    }

    void TearDown() override {
        for (pid_t player : playerPids())
            kill(player, SIGTERM);
    }

    // Every player started so far, the latest last.
    std::vector<pid_t> playerPids() const {
        std::ifstream in(folder / "player.pid");
        std::vector<pid_t> pids;
        for (pid_t pid = 0; in >> pid;)
            pids.push_back(pid);
        return pids;
    }

    // The player runs on after the launcher: wait for what it leaves, a few seconds at most.
    bool playerStarted(int tenthsOfSeconds) const {
        for (int i = 0; i < 2 * tenthsOfSeconds && !fs::exists(folder / "player.out"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return fs::exists(folder / "player.out") && fs::file_size(folder / "player.out") > 0;
    }

    int runLauncher() const { return platform::runAndWait((folder / "didizir").string(), {}, ""); }

    RuntimeDirScope runtime;
    testkit::TempDir folder;
};

TEST_F(DidizirProgram, InstallsItsFontsForTheSessionAndStartsThePlayerFromItsFolder) {
    EXPECT_EQ(runLauncher(), 0);

    ASSERT_TRUE(playerStarted(100));
    EXPECT_EQ(testkit::readText(folder / "player.out"), "started with []\n");
    EXPECT_EQ(kill(playerPids().back(), 0), 0) << "the player runs on after the launcher ended";
    fs::path fontDir = runtime.path() / "melodeck" / "fonts";
    for (const char* file : FontTable)
        EXPECT_EQ(fs::read_symlink(fontDir / file), folder / file);
    EXPECT_TRUE(fs::exists(fontDir / "fonts.conf"));
}

// The player must not inherit the launcher's instance lock, or no launcher would run
// again until the player ends.
TEST_F(DidizirProgram, ALauncherStartedWhileThePlayerRunsStartsItAgain) {
    ASSERT_EQ(runLauncher(), 0);
    ASSERT_TRUE(playerStarted(100));
    fs::remove(folder / "player.out");

    EXPECT_EQ(runLauncher(), 0);

    EXPECT_TRUE(playerStarted(100));
    EXPECT_EQ(playerPids().size(), 2u);
}

TEST_F(DidizirProgram, ASecondCopyEndsSilently) {
    platform::InstanceLock first("didizir");

    EXPECT_EQ(runLauncher(), 0);

    EXPECT_FALSE(playerStarted(10));
    EXPECT_FALSE(fs::exists(runtime.path() / "melodeck" / "fonts"));
}

} // namespace
