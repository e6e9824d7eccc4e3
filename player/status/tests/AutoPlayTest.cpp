// What follows the end of a song in each auto-play mode, with the restart timer's tick
// raised by the test instead of waiting ten seconds.
#include "TickRig.h"
#include "device/DeviceMode.h"
#include "random/RandomPick.h"

#include <gtest/gtest.h>

using namespace player;

namespace {

const std::vector<std::string> kThreeSongs{"b.kar", "A.mid", "c.KAR"}; // listed A, b, c

// Ends the song on the tick, then checks the restart is armed and fires it.
void restartAfterPause(TickRig& rig) {
    ASSERT_TRUE(rig.Timer2.isTicking());
    ASSERT_EQ(rig.Timer2.interval(), 10000);
    rig.device.clearLog();
    rig.playback.Timer2_Timer();
}

TEST(AutoPlay, SequenceWrapsFromTheLastSongToTheFirst) {
    TickRig rig(kThreeSongs);
    rig.state.AutoMode = 2;
    rig.playEntry(1);
    rig.playToEnd();
    EXPECT_EQ(rig.loaded.back(), "c.KAR");
    EXPECT_EQ(rig.device.tickInterval(), 0);
    restartAfterPause(rig);
    EXPECT_EQ(rig.device.log(), std::vector<std::string>{"play from 0"});

    rig.playToEnd();
    EXPECT_EQ(rig.loaded.back(), "A.mid");
    EXPECT_EQ(rig.FileList.listIndex(), 0);
    restartAfterPause(rig);
    EXPECT_EQ(rig.device.mode(), ModePlaying);
    EXPECT_EQ(rig.state.IsPlaying, True);
}

TEST(AutoPlay, RandomDrawsAgainUntilItLeavesTheCurrentSong) {
    TickRig rig(kThreeSongs);
    rig.state.AutoMode = 3;
    rig.playEntry(1);
    rig.draws = {0.4, 0.5, 0.95}; // entry 1, 1, then 2
    rig.playToEnd();
    EXPECT_EQ(rig.loaded.back(), "c.KAR");
    EXPECT_TRUE(rig.draws.empty());
}

TEST(AutoPlay, RandomNeverRepeatsTheCurrentSong) {
    for (int songs : {2, 3, 5}) {
        const UniformDraw draw = clockSeededDraw();
        for (int current = 0; current < songs; ++current)
            for (int round = 0; round < 200; ++round) {
                const int picked = pickOther(songs, current, draw);
                ASSERT_NE(picked, current) << songs << " songs";
                ASSERT_GE(picked, 0);
                ASSERT_LT(picked, songs);
            }
    }
}

TEST(AutoPlay, RepeatShowsTheTitlesAndPlaysTheSameSongAgain) {
    TickRig rig(kThreeSongs);
    rig.state.AutoMode = 1;
    rig.playEntry(2);
    rig.state.TitlesVisible = False;
    const auto loadsBefore = rig.loaded.size();
    rig.playToEnd();
    EXPECT_EQ(rig.loaded.size(), loadsBefore) << "the same song stays loaded";
    EXPECT_EQ(rig.state.TitlesVisible, True);
    EXPECT_FALSE(rig.LblTit[0]->isHidden());
    const int rewindsBefore = rig.rewinds;
    restartAfterPause(rig);
    EXPECT_EQ(rig.device.log(), std::vector<std::string>{"play from 0"});
    EXPECT_EQ(rig.rewinds, rewindsBefore + 1);
    EXPECT_EQ(rig.FileList.fileName(), "c.KAR");
}

TEST(AutoPlay, WithOneSongSequenceAndRandomReplayIt) {
    for (int mode : {2, 3}) {
        TickRig rig({"only.kar"});
        rig.state.AutoMode = mode;
        rig.playEntry(0);
        rig.playToEnd();
        EXPECT_EQ(rig.loaded, std::vector<std::string>{"only.kar"}) << "mode " << mode;
        restartAfterPause(rig);
        EXPECT_EQ(rig.device.log(), std::vector<std::string>{"play from 0"}) << "mode " << mode;
    }
}

TEST(AutoPlay, OffShowsThePanelAndDisarmsTheRestart) {
    TickRig rig(kThreeSongs);
    rig.playEntry(0);
    rig.Timer2.setInterval(10000);
    rig.playToEnd();
    EXPECT_FALSE(rig.Timer2.isTicking());
    EXPECT_TRUE(rig.panel.isVisible());
    EXPECT_EQ(rig.state.TitlesVisible, True);
    EXPECT_EQ(rig.loaded.size(), 1u);
}

} // namespace
