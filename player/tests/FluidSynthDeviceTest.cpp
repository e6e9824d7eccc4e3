// The FluidSynth device on the manual clock: time moves only by render(), so positions
// are exact and no sound card is needed.
#include "device/FluidSynthDevice.h"

#include "MidiBuilder.h"
#include "SongFixtures.h"
#include "TempDir.h"
#include "device/DeviceMode.h"
#include "device/SoundFontChoice.h"

#include <functional>
#include <gtest/gtest.h>

using namespace player;

namespace {

FluidSynthDevice::Options manualOptions() {
    FluidSynthDevice::Options options;
    options.soundFont = chooseSoundFont("").value_or("");
    options.manualClock = true;
    return options;
}

class FluidSynthDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(chooseSoundFont("")) << "the system GM SoundFont is missing";
    }

    void openSong(const testkit::Bytes& song) {
        testkit::writeBytes(dir_ / "Input.bin", song);
        auto failure = device_.open((dir_ / "Input.bin").string());
        ASSERT_FALSE(failure) << *failure;
    }

    testkit::TempDir dir_;
    FluidSynthDevice device_{manualOptions()};
};

struct TimingCase {
    const char* name;
    uint16_t division;
    uint32_t endTick;
    std::vector<fixtures::TempoChange> tempi;
    int renderMs;
    int32_t length;
    int32_t position;
};

// Test names show the row, not its bytes.
void PrintTo(const TimingCase& c, std::ostream* os) {
    *os << c.name;
}

class DeviceTiming : public FluidSynthDeviceTest,
                     public ::testing::WithParamInterface<TimingCase> {};

// At 120 beats a minute a sixteenth note lasts 125 ms; positions are read halfway through
// a sixteenth, so block-sized rendering steps cannot move them across a boundary.
TEST_P(DeviceTiming, LengthAndPositionInSixteenths) {
    const auto& c = GetParam();
    openSong(fixtures::soundingSong(c.division, c.endTick, c.tempi));
    EXPECT_EQ(device_.length(), c.length);
    device_.setStartPosition(0);
    device_.play();
    device_.render(c.renderMs);
    EXPECT_EQ(device_.mode(), ModePlaying);
    EXPECT_EQ(device_.position(), c.position);
}

INSTANTIATE_TEST_SUITE_P(
    Divisions, DeviceTiming,
    ::testing::Values(TimingCase{"Division96", 96, 96 * 16, {{0, 500000}}, 1062, 64, 8},
                      TimingCase{"Division480", 480, 480 * 16, {{0, 500000}}, 1062, 64, 8},
                      TimingCase{"Division960", 960, 960 * 16, {{0, 500000}}, 1062, 64, 8},
                      TimingCase{"OddDivision", 7, 7 * 16, {{0, 500000}}, 1062, 64, 8},
                      // The length counts ticks, not time: a faster tempo does not shorten it.
                      TimingCase{"FasterAfterFourBeats",
                                 480,
                                 480 * 16,
                                 {{0, 500000}, {480 * 4, 250000}},
                                 2000 + 531,
                                 64,
                                 16 + 8},
                      TimingCase{"SlowerAfterTwoBeats",
                                 480,
                                 480 * 16,
                                 {{0, 500000}, {480 * 2, 1000000}},
                                 1000 + 2125,
                                 64,
                                 8 + 8}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FluidSynthDeviceTest, PauseKeepsThePositionAndResumeGoesOnFromIt) {
    openSong(fixtures::soundingSong(480, 480 * 16));
    device_.play();
    device_.render(1062);
    device_.pause();
    EXPECT_EQ(device_.mode(), ModePaused);
    device_.render(3000);
    EXPECT_EQ(device_.position(), 8);

    device_.setStartPosition(device_.position());
    device_.play();
    device_.render(1062); // 8.5 more sixteenths from the start of sixteenth 8
    EXPECT_EQ(device_.mode(), ModePlaying);
    EXPECT_EQ(device_.position(), 16);
}

TEST_F(FluidSynthDeviceTest, PlaysFromTheStartPosition) {
    openSong(fixtures::soundingSong(480, 480 * 16));
    device_.setStartPosition(40);
    device_.play();
    device_.render(62);
    EXPECT_EQ(device_.position(), 40);
    device_.render(125);
    EXPECT_EQ(device_.position(), 41);
}

TEST_F(FluidSynthDeviceTest, TheEndOfTheSongReadsStoppedAtItsLength) {
    openSong(fixtures::soundingSong(480, 480 * 4));
    device_.play();
    device_.render(2500);
    EXPECT_EQ(device_.mode(), ModeStopped);
    EXPECT_EQ(device_.position(), device_.length());
    EXPECT_TRUE(device_.canPlay());

    device_.setStartPosition(0);
    device_.play();
    device_.render(562);
    EXPECT_EQ(device_.mode(), ModePlaying);
    EXPECT_EQ(device_.position(), 4);
}

TEST_F(FluidSynthDeviceTest, StopHoldsThePositionAndPlayStartsAgain) {
    openSong(fixtures::soundingSong(480, 480 * 16));
    device_.play();
    device_.render(1062);
    device_.stop();
    device_.render(1000);
    EXPECT_EQ(device_.mode(), ModeStopped);
    EXPECT_EQ(device_.position(), 8);
}

TEST_F(FluidSynthDeviceTest, CloseBeforeAnyOpenChangesNothing) {
    device_.close();
    EXPECT_FALSE(device_.canPlay());
    EXPECT_EQ(device_.mode(), ModeNotOpen);
    EXPECT_EQ(device_.length(), 0);
    EXPECT_EQ(device_.position(), 0);
    EXPECT_EQ(device_.error(), 0);
}

struct BadSong {
    const char* name;
    testkit::Bytes bytes;
};

// Test names show the row, not its bytes.
void PrintTo(const BadSong& c, std::ostream* os) {
    *os << c.name;
}

class DeviceRejects : public FluidSynthDeviceTest, public ::testing::WithParamInterface<BadSong> {};

TEST_P(DeviceRejects, AFileThatIsNoPlayableSong) {
    testkit::writeBytes(dir_ / "Input.bin", GetParam().bytes);
    auto failure = device_.open((dir_ / "Input.bin").string());
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, "");
    EXPECT_FALSE(device_.canPlay());
    EXPECT_EQ(device_.mode(), ModeNotOpen);
}

testkit::Bytes smpteDivision() {
    testkit::TrackBuilder t;
    t.noteOn(0, 0, 60, 100).noteOff(100, 0, 60).endOfTrack();
    return testkit::MidiBuilder(1, 0xE728).track(t).build();
}

testkit::Bytes fiveByteVarLen() {
    testkit::TrackBuilder t;
    t.bytes({0x81, 0x80, 0x80, 0x80, 0x00, 0x90, 60, 100}).endOfTrack();
    return testkit::MidiBuilder(0, 480).track(t).build();
}

INSTANTIATE_TEST_SUITE_P(
    BadFiles, DeviceRejects,
    ::testing::Values(BadSong{"Empty", {}}, BadSong{"NotMidi", {'R', 'I', 'F', 'F', 0, 0, 0, 0}},
                      BadSong{"HeaderOnly", testkit::MidiBuilder(1, 480).trackCount(1).build()},
                      BadSong{"SmpteDivision", smpteDivision()},
                      BadSong{"FiveByteVarLen", fiveByteVarLen()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FluidSynthDeviceSoundFont, WithoutASoundFontNoSongOpensAndTheNoticeSaysWhy) {
    FluidSynthDevice::Options options;
    options.manualClock = true;
    FluidSynthDevice device(options);
    EXPECT_NE(device.notice().find("No SoundFont"), std::string::npos);
    testkit::TempDir dir;
    testkit::writeBytes(dir / "Input.bin", fixtures::soundingSong(480, 480));
    auto failure = device.open((dir / "Input.bin").string());
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, device.notice());
}

struct BadSoundFont {
    const char* name;
    std::function<testkit::Bytes()> bytes;
};

void PrintTo(const BadSoundFont& c, std::ostream* os) {
    *os << c.name;
}

class SoundFontFallback : public ::testing::TestWithParam<BadSoundFont> {};

// The song folder's own SoundFont is tried first; when it will not load, the notice names
// it and the next choice plays the song.
TEST_P(SoundFontFallback, ASoundFontThatWillNotLoadGivesWayToTheNext) {
    testkit::TempDir dir;
    testkit::writeBytes(dir / "Broken.sf2", GetParam().bytes());
    FluidSynthDevice::Options options;
    options.manualClock = true;
    options.soundFont = (dir / "Broken.sf2").string();
    options.fallbackSoundFonts = {(dir / "Missing.sf2").string(), chooseSoundFont("").value()};
    FluidSynthDevice device(options);
    EXPECT_NE(device.notice().find("Cannot load Broken.sf2: "), std::string::npos)
        << device.notice();
    testkit::writeBytes(dir / "Input.bin", fixtures::soundingSong(480, 480 * 4));
    EXPECT_FALSE(device.open((dir / "Input.bin").string()));
}

INSTANTIATE_TEST_SUITE_P(
    BadFiles, SoundFontFallback,
    ::testing::Values(BadSoundFont{"Empty", [] { return testkit::Bytes{}; }},
                      BadSoundFont{"NotASoundFont",
                                   [] { return testkit::Bytes(4096, 0x5A); }},
                      BadSoundFont{"CutShort",
                                   [] {
                                       auto whole = testkit::readBytes(
                                           chooseSoundFont("").value());
                                       whole.resize(4096);
                                       return whole;
                                   }}),
    [](const auto& info) { return std::string(info.param.name); });

// Songs as they come: what the extractor reads, the player plays, as far as it goes.
struct RaggedSong {
    const char* name;
    std::function<testkit::Bytes()> bytes;
    int32_t length; // sixteenth notes
};

void PrintTo(const RaggedSong& c, std::ostream* os) {
    *os << c.name;
}

class DeviceTakes : public FluidSynthDeviceTest, public ::testing::WithParamInterface<RaggedSong> {};

TEST_P(DeviceTakes, WhatIsThereOfARaggedSong) {
    testkit::writeBytes(dir_ / "Input.bin", GetParam().bytes());
    auto failure = device_.open((dir_ / "Input.bin").string());
    ASSERT_FALSE(failure) << *failure;
    EXPECT_EQ(device_.length(), GetParam().length);
    device_.play();
    device_.render(1062);
    EXPECT_EQ(device_.mode(), ModePlaying);
    EXPECT_EQ(device_.position(), 8);
}

// Sixteen quarter notes: 64 sixteenths; the file ends with the last note-off (delta, 2
// bytes of 480, then 3) and the end of the track (4 bytes).
testkit::Bytes whole() {
    return fixtures::soundingSong(480, 480 * 16);
}

INSTANTIATE_TEST_SUITE_P(
    Ragged, DeviceTakes,
    ::testing::Values(
        RaggedSong{"BytesAfterTheLastTrack",
                   [] {
                       auto song = whole();
                       song.insert(song.end(), {'j', 'u', 'n', 'k', 0, 1, 2});
                       return song;
                   },
                   64},
        RaggedSong{"LastTrackCutShortInItsEnd",
                   [] {
                       auto song = whole();
                       song.erase(song.end() - 2, song.end());
                       return song;
                   },
                   64},
        RaggedSong{"LastTrackCutInAnEvent",
                   [] {
                       auto song = whole();
                       song.erase(song.end() - 6, song.end());
                       return song;
                   },
                   64}, // the conductor track still ends at 64
        RaggedSong{"MoreTracksInTheHeaderThanInTheFile",
                   [] {
                       auto song = whole();
                       song[11] = 5;
                       return song;
                   },
                   64}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
