// MELODECK_AUDIO_FILE sends what the device plays to a WAV file instead of the sound card.
#include "SongFixtures.h"
#include "TempDir.h"
#include "device/FluidSynthDevice.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace player;

namespace {

class AudioFileVariable {
public:
    explicit AudioFileVariable(const std::string& file) {
        setenv("MELODECK_AUDIO_FILE", file.c_str(), 1);
    }
    ~AudioFileVariable() { unsetenv("MELODECK_AUDIO_FILE"); }
};

uint32_t le32(const testkit::Bytes& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t{b[at + 3]} << 24);
}

TEST(WavOutput, APlayingSongIsWrittenAndIsNotSilent) {
    testkit::TempDir dir;
    const auto wav = dir / "out.wav";
    AudioFileVariable variable(wav.string());
    testkit::writeBytes(dir / "Input.bin", fixtures::soundingSong(480, 480 * 4));
    {
        auto options = FluidSynthDevice::Options::fromEnvironment(dir.path().string());
        ASSERT_EQ(options.wavFile, wav.string());
        ASSERT_FALSE(options.soundFont.empty()) << "no General MIDI SoundFont on the system";
        options.manualClock = true;
        FluidSynthDevice device(options);
        ASSERT_FALSE(device.open((dir / "Input.bin").string()));
        device.play();
        device.render(1000);
    }
    const auto bytes = testkit::readBytes(wav);
    ASSERT_GE(bytes.size(), 44u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 16), "WAVEfmt ");
    const uint32_t dataBytes = le32(bytes, 40);
    EXPECT_EQ(dataBytes, bytes.size() - 44);
    EXPECT_EQ(le32(bytes, 4), bytes.size() - 8);
    EXPECT_EQ(dataBytes, 44100u * 4u); // one second of 16-bit stereo

    int peak = 0;
    for (size_t i = 44; i + 1 < bytes.size(); i += 2)
        peak = std::max(peak, std::abs(static_cast<int16_t>(bytes[i] | (bytes[i + 1] << 8))));
    EXPECT_GT(peak, 100) << "the song was written as silence";
}

} // namespace
