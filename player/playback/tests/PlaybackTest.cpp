// The transport over a device that records its commands.
#include "playback/Playback.h"

#include "device/DeviceMode.h"
#include "device/FakeDevice.h"

#include <gtest/gtest.h>
#include <vector>

using namespace player;

namespace {

class Lamps : public AutoPlayLamps {
public:
    void setLampLit(int index, bool lit) override { this->lit[static_cast<size_t>(index)] = lit; }
    std::array<bool, 3> lit{};
};

class PlaybackTest : public ::testing::Test {
protected:
    PlaybackTest() {
        device_.setSongLength(200);
        QObject::connect(&playback_, &Playback::deviceStateUpdated, [this] { ++faceUpdates_; });
    }

    void openSong() {
        device_.open("Input.bin");
        device_.clearLog();
    }

    PlayerState state_;
    FakeDevice device_;
    FormTimer Timer2_;
    QLabel LblVersion_;
    Lamps lamps_;
    int rewinds_ = 0;
    int16_t rewindResult_ = True;
    int pictureRestarts_ = 0;
    int faceUpdates_ = 0;
    Playback playback_{state_,
                       device_,
                       Timer2_,
                       LblVersion_,
                       lamps_,
                       [this] {
                           ++rewinds_;
                           device_.setStartPosition(0);
                           return rewindResult_;
                       },
                       [this] { ++pictureRestarts_; }};
};

TEST_F(PlaybackTest, PlayRewindsRestartsThePicturesAndStartsTheTick) {
    openSong();
    playback_.PlaySong();
    EXPECT_EQ(device_.log(), std::vector<std::string>{"play from 0"});
    EXPECT_EQ(rewinds_, 1);
    EXPECT_EQ(pictureRestarts_, 1);
    EXPECT_EQ(device_.tickInterval(), 100);
    EXPECT_EQ(state_.IsPlaying, True);
    EXPECT_EQ(faceUpdates_, 1);

    playback_.PlaySong(); // while playing
    EXPECT_EQ(device_.log().size(), 1u);
    EXPECT_EQ(rewinds_, 1);
}

TEST_F(PlaybackTest, PlayAndStopWithoutASongSayTheDeviceIsNotOpened) {
    playback_.PlaySong();
    EXPECT_EQ(LblVersion_.text(), "Midi Device Not Opened.");
    LblVersion_.clear();
    playback_.StopSong();
    EXPECT_EQ(LblVersion_.text(), "Midi Device Not Opened.");
    LblVersion_.clear();
    playback_.PauseResume();
    EXPECT_EQ(LblVersion_.text(), "");
    EXPECT_EQ(rewinds_, 0);
    EXPECT_TRUE(device_.log().empty());
}

struct ResumeCase {
    const char* name;
    int32_t pausedAt;
    std::vector<std::string> commands;
};

class Resume : public PlaybackTest, public ::testing::WithParamInterface<ResumeCase> {};

TEST_P(Resume, PlaysFromWhereItWasPaused) {
    openSong();
    playback_.PlaySong();
    device_.advanceTo(GetParam().pausedAt);
    playback_.PauseResume();
    EXPECT_EQ(device_.mode(), ModePaused);
    EXPECT_EQ(device_.tickInterval(), 0);
    EXPECT_EQ(state_.IsPaused, True);
    device_.clearLog();

    playback_.PauseResume();
    EXPECT_EQ(device_.log(), GetParam().commands);
    EXPECT_EQ(device_.position(), GetParam().pausedAt);
    EXPECT_EQ(device_.tickInterval(), 100);
    EXPECT_EQ(state_.IsPlaying, True);
    EXPECT_EQ(state_.IsPaused, False);
}

INSTANTIATE_TEST_SUITE_P(Positions, Resume,
                         ::testing::Values(ResumeCase{"AtTheStart", 0, {"play from 0"}},
                                           ResumeCase{
                                               "Later", 40, {"play from 0", "play from 40"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlaybackTest, StopSwitchesAutoPlayOffAndLeavesTheFlagsToTheDevice) {
    openSong();
    playback_.PlaySong();
    state_.AutoMode = 2;
    lamps_.lit = {false, true, false};
    state_.PictureChangeDue = True;
    playback_.StopSong();
    EXPECT_EQ(device_.log().back(), "stop");
    EXPECT_EQ(state_.AutoMode, 0);
    EXPECT_EQ(lamps_.lit, (std::array<bool, 3>{}));
    EXPECT_EQ(state_.PictureChangeDue, False);
    EXPECT_EQ(state_.IsPlaying, True) << "the Stop face's UpdateDeviceState follows";

    device_.clearLog();
    playback_.StopSong(); // while stopped
    EXPECT_TRUE(device_.log().empty());
}

struct ModeCase {
    int32_t mode;
    Flag16 ready, playing, paused, stopped;
};

class DeviceStates : public PlaybackTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(DeviceStates, FlagsFollowTheMode) {
    const auto& c = GetParam();
    openSong();
    device_.setMode(c.mode);
    state_.IsPlaying = state_.IsPaused = state_.IsStopped = True;
    playback_.UpdateDeviceState(0);
    EXPECT_EQ(state_.DeviceReady, c.ready);
    EXPECT_EQ(state_.IsPlaying, c.playing);
    EXPECT_EQ(state_.IsPaused, c.paused);
    EXPECT_EQ(state_.IsStopped, c.stopped);
    EXPECT_EQ(faceUpdates_, 1);
}

INSTANTIATE_TEST_SUITE_P(Modes, DeviceStates,
                         ::testing::Values(ModeCase{524, False, False, False, False},
                                           ModeCase{525, True, False, False, True},
                                           ModeCase{526, True, True, False, False},
                                           ModeCase{527, True, False, False, False},
                                           ModeCase{528, True, True, False, False},
                                           ModeCase{529, True, False, True, False},
                                           ModeCase{530, True, False, False, True},
                                           ModeCase{600, True, False, False, True}),
                         [](const auto& info) { return std::to_string(info.param.mode); });

TEST_F(PlaybackTest, DeviceNoticesPrepareAndMarkWithoutCommands) {
    openSong();
    state_.AutoMode = 1;
    playback_.PreparePlayback(0);
    EXPECT_EQ(rewinds_, 1);
    EXPECT_EQ(pictureRestarts_, 1);
    EXPECT_EQ(device_.tickInterval(), 100);
    state_.PictureChangeDue = True;
    playback_.MarkStopped(0);
    EXPECT_EQ(state_.AutoMode, 0);
    EXPECT_EQ(state_.PictureChangeDue, False);
    EXPECT_EQ(state_.IsStopped, True);
    EXPECT_TRUE(device_.log().empty());
}

TEST_F(PlaybackTest, RestartTimerPlaysOnlyWhenItShould) {
    openSong();
    Timer2_.setInterval(10000);

    state_.AutoMode = 0;
    playback_.Timer2_Timer();
    EXPECT_FALSE(Timer2_.isTicking()) << "auto-play off disarms it";
    EXPECT_TRUE(device_.log().empty());

    state_.AutoMode = 1;
    Timer2_.setInterval(10000);
    Timer2_.setEnabled(true);
    rewindResult_ = False;
    playback_.Timer2_Timer();
    EXPECT_TRUE(device_.log().empty()) << "an unreadable lyric does not play";
    EXPECT_TRUE(Timer2_.isTicking()) << "and the next tick tries again";

    rewindResult_ = True;
    playback_.Timer2_Timer();
    EXPECT_EQ(device_.log(), std::vector<std::string>{"play from 0"});
    EXPECT_EQ(device_.tickInterval(), 100);
    EXPECT_EQ(pictureRestarts_, 1);

    playback_.Timer2_Timer(); // while playing
    EXPECT_EQ(device_.log().size(), 1u);
    EXPECT_TRUE(Timer2_.isTicking());
}

} // namespace
