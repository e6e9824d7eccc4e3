// One status tick in each device situation.
#include "TickRig.h"

#include <gtest/gtest.h>

using namespace player;

namespace {

TEST(StatusTick, WhilePlayingMovesThePositionDisplays) {
    TickRig rig({"a.kar"});
    rig.playEntry(0);
    rig.HScroll1.setRange(0, 40000);
    rig.ProgressBar1.setRange(0, 40000);
    rig.device.advanceTo(20);
    rig.state.IsPlaying = False;
    rig.device.tick();
    EXPECT_EQ(rig.HScroll1.value(), 20);
    EXPECT_EQ(rig.ProgressBar1.value(), 20);
    EXPECT_EQ(rig.state.IsPlaying, True);
}

struct EndCase {
    const char* name;
    int32_t mode;
    int32_t position;
    bool ends;
};

class SongEnd : public ::testing::TestWithParam<EndCase> {};

TEST_P(SongEnd, EndsOnlyWhenStoppedOrPausedAtTheEnd) {
    const auto& c = GetParam();
    TickRig rig({"a.kar"});
    rig.playEntry(0);
    rig.state.SongLength = TickRig::kSongLength;
    rig.state.PictureChangeDue = True;
    rig.device.advanceTo(c.position);
    rig.device.setMode(c.mode);
    rig.device.tick();
    EXPECT_EQ(rig.device.tickInterval(), c.ends ? 0 : 100);
    EXPECT_EQ(rig.state.PictureChangeDue, c.ends ? False : True);
    EXPECT_EQ(rig.state.IsStopped, c.ends ? True : False);
}

INSTANTIATE_TEST_SUITE_P(Modes, SongEnd,
                         ::testing::Values(EndCase{"Stopped", 525, 30, true},
                                           EndCase{"PausedAtTheEnd", 529, 64, true},
                                           EndCase{"PausedBefore", 529, 63, false},
                                           EndCase{"Seeking", 528, 64, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StatusTick, ADeviceErrorStopsAndSwitchesAutoPlayOff) {
    TickRig rig({"a.kar", "b.kar"});
    rig.playEntry(0);
    rig.state.AutoMode = 2;
    rig.lamps = {false, true, false};
    rig.device.setError(1);
    rig.device.tick();
    EXPECT_EQ(rig.LblVersion.text(), "MCI device error.");
    EXPECT_EQ(rig.device.tickInterval(), 0);
    EXPECT_EQ(rig.device.log().back(), "stop");
    EXPECT_EQ(rig.state.AutoMode, 0);
    EXPECT_EQ(rig.lamps, (std::array<bool, 3>{}));
    EXPECT_EQ(rig.state.IsStopped, True);
    EXPECT_TRUE(rig.panel.isVisible());
    EXPECT_EQ(rig.loaded.size(), 1u);
}

TEST(StatusTick, PositionsBeyondTheDisplaysLeaveThemAlone) {
    TickRig rig({"a.kar"});
    rig.device.setSongLength(40000);
    rig.playEntry(0);
    rig.HScroll1.setRange(0, 40000);
    rig.device.advanceTo(100);
    rig.device.tick();
    rig.device.advanceTo(32001);
    rig.device.tick();
    EXPECT_EQ(rig.HScroll1.value(), 100);
}

} // namespace
