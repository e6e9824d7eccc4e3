// The small parts of the sound path: the limiter, the clock of what is heard, the order
// in which sound drivers are tried.
#include "device/AudibleClock.h"
#include "device/AudioOutput.h"
#include "device/PeakLimiter.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace player;

namespace {

TEST(PeakLimiter, HoldsEveryPeakUnderTheCeilingAndLeavesQuietSoundAlone) {
    PeakLimiter limiter(0.98f, 4410);
    std::vector<float> left(4096), right(4096);
    for (size_t i = 0; i < left.size(); ++i) {
        left[i] = 0.3f * std::sin(static_cast<float>(i) * 0.05f);
        right[i] = left[i];
    }
    const auto quiet = left;
    limiter.process(left.data(), right.data(), 4096);
    EXPECT_EQ(left, quiet) << "a signal under the ceiling must pass untouched";

    std::vector<float> loud(256), loudRight(256);
    for (size_t i = 0; i < loud.size(); ++i) {
        loud[i] = (i % 2 ? 1.7f : -2.5f);
        loudRight[i] = -loud[i] / 2;
    }
    limiter.process(loud.data(), loudRight.data(), 256);
    for (size_t i = 0; i < loud.size(); ++i) {
        EXPECT_LE(std::fabs(loud[i]), 0.98f + 1e-6f) << "frame " << i;
        EXPECT_LE(std::fabs(loudRight[i]), 0.98f + 1e-6f) << "frame " << i;
    }

    // After the burst the gain comes back over the release instead of staying down.
    std::vector<float> after(44100, 0.1f), afterRight(44100, 0.1f);
    limiter.process(after.data(), afterRight.data(), 44100);
    EXPECT_LT(after.front(), 0.05f);
    EXPECT_NEAR(after.back(), 0.1f, 0.001f);
}

class AudibleClockTest : public ::testing::Test {
protected:
    using Clock = AudibleClock::Clock;
    static constexpr int kBlock = AudibleClock::kBlockFrames;

    // Blocks at a steady 10 ticks a block from `tick`.
    void render(int blocks, int64_t tick) {
        for (int i = 0; i < blocks; ++i)
            clock_.rendered(tick + 10 * i);
    }

    AudibleClock clock_{48000};
    Clock::time_point t0_ = Clock::now();
};

TEST_F(AudibleClockTest, WhatIsHeardIsWhatWasRenderedLessWhatTheOutputHolds) {
    render(16, 0); // 1024 frames
    clock_.pulled(t0_, 768);
    EXPECT_EQ(clock_.audibleFrame(t0_), 1024 - 768);
    // 5 ms later 240 more frames have reached the listener.
    EXPECT_EQ(clock_.audibleFrame(t0_ + std::chrono::milliseconds(5)), 1024 - 768 + 240);
    // Never past the last frame rendered, however late the next pull comes.
    EXPECT_EQ(clock_.audibleFrame(t0_ + std::chrono::seconds(3)), 1023);
    EXPECT_TRUE(clock_.tickAt(1023));
    // Nor back again when a pull reports a fuller buffer than the time passed suggests.
    clock_.pulled(t0_ + std::chrono::seconds(3), 1024);
    EXPECT_EQ(clock_.audibleFrame(t0_ + std::chrono::seconds(3)), 1023);
}

TEST_F(AudibleClockTest, TicksAreInterpolatedWithinABlockAndHeldAcrossAJump) {
    clock_.rendered(std::nullopt); // before the song started
    render(4, 100);                // blocks 1..4: ticks 100, 110, 120, 130
    render(2, 0);                  // a jump back to the song's start
    EXPECT_EQ(clock_.tickAt(kBlock / 2), std::nullopt);
    EXPECT_EQ(clock_.tickAt(kBlock), 100);
    EXPECT_EQ(clock_.tickAt(kBlock + kBlock / 2), 105);
    EXPECT_EQ(clock_.tickAt(4 * kBlock + kBlock / 2), 130) << "no interpolation across a jump";
    EXPECT_EQ(clock_.tickAt(5 * kBlock), 0);
    EXPECT_EQ(clock_.tickAt(7 * kBlock), std::nullopt) << "not rendered yet";
}

TEST_F(AudibleClockTest, HistoryOlderThanItKeepsIsForgotten) {
    render(9000, 0);
    EXPECT_EQ(clock_.tickAt(0), std::nullopt);
    EXPECT_EQ(clock_.tickAt(int64_t{8999} * kBlock), 89990);
}

struct DriverOrderCase {
    const char* name;
    std::vector<std::string> offered;
    std::string requested;
    std::vector<std::string> order;
};

void PrintTo(const DriverOrderCase& c, std::ostream* os) {
    *os << c.name;
}

class DriverOrder : public ::testing::TestWithParam<DriverOrderCase> {};

TEST_P(DriverOrder, DesktopServersFirstAndTheRequestedOneAlone) {
    EXPECT_EQ(audioDriverOrder(GetParam().offered, GetParam().requested), GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(
    Drivers, DriverOrder,
    ::testing::Values(DriverOrderCase{"DebianBuild",
                                      {"alsa", "file", "jack", "oss", "pulseaudio", "sdl2"},
                                      "",
                                      {"pulseaudio", "alsa", "jack", "oss", "sdl2"}},
                      DriverOrderCase{"NoPulseAudio", {"jack", "alsa"}, "", {"alsa", "jack"}},
                      DriverOrderCase{"OnlyTheFileDriver", {"file"}, "", {}},
                      DriverOrderCase{"Requested", {"alsa", "pulseaudio"}, "alsa", {"alsa"}},
                      DriverOrderCase{
                          "RequestedButNotOffered", {"alsa"}, "nosuchdriver", {"nosuchdriver"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
