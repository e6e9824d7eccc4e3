// The sound a listener gets: one mix on every output (the sound card's driver callback,
// the WAV file, the manual clock), with reverb and chorus, never above full scale.
#include "MidiBuilder.h"
#include "TempDir.h"
#include "device/FluidSynthDevice.h"
#include "device/SoundFontChoice.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace player;

namespace {

constexpr int kRate = 44100;

// One short loud piano note with the reverb send full open, then two seconds of nothing:
// what follows the note is the reverb tail, or silence where effects were dropped.
testkit::Bytes shortNoteThenSilence() {
    testkit::TrackBuilder t;
    t.tempo(0, 500000).controller(0, 0, 91, 127).controller(0, 0, 93, 127).program(0, 0, 0);
    t.noteOn(0, 0, 72, 127).noteOff(48, 0, 72).endOfTrack(480 * 5);
    return testkit::MidiBuilder(0, 480).track(t).build();
}

// Every channel at full volume and velocity on a wide chord: the sum runs past full scale
// unless something holds it.
testkit::Bytes loudChords() {
    testkit::TrackBuilder t;
    t.tempo(0, 500000);
    for (int channel = 0; channel < 9; ++channel)
        t.program(0, channel, 30 + channel)
            .controller(0, channel, 7, 127)
            .controller(0, channel, 11, 127);
    for (int bar = 0; bar < 4; ++bar) {
        for (int channel = 0; channel < 9; ++channel)
            for (int key : {36, 48, 55, 60, 64, 67, 72})
                t.noteOn(0, channel, key, 127);
        for (int channel = 0; channel < 9; ++channel)
            for (int key : {36, 48, 55, 60, 64, 67, 72})
                t.noteOff(channel == 0 && key == 36 ? 960 : 0, channel, key);
    }
    t.endOfTrack();
    return testkit::MidiBuilder(0, 480).track(t).build();
}

struct Stereo {
    std::vector<int16_t> samples; // interleaved
};

FluidSynthDevice::Options manualOptions(const std::string& wav = {}) {
    FluidSynthDevice::Options options;
    options.soundFont = chooseSoundFont("").value_or("");
    options.manualClock = true;
    options.wavFile = wav;
    return options;
}

// Pulls sound exactly as FluidSynth's ALSA and PulseAudio drivers do: no effect buffers,
// two output buffers of one period each.
Stereo pullLikeADriver(FluidSynthDevice& device, int frames, int period) {
    Stereo out;
    std::vector<float> left(static_cast<size_t>(period));
    std::vector<float> right(static_cast<size_t>(period));
    float* buffers[2] = {left.data(), right.data()};
    for (int done = 0; done < frames; done += period) {
        FluidSynthDevice::audioCallback(&device, period, 0, nullptr, 2, buffers);
        for (int i = 0; i < period && done + i < frames; ++i)
            for (float v : {left[static_cast<size_t>(i)], right[static_cast<size_t>(i)]})
                out.samples.push_back(
                    static_cast<int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f)));
    }
    return out;
}

Stereo wavSamples(const std::filesystem::path& wav) {
    const auto bytes = testkit::readBytes(wav);
    Stereo out;
    for (size_t i = 44; i + 1 < bytes.size(); i += 2)
        out.samples.push_back(static_cast<int16_t>(bytes[i] | (bytes[i + 1] << 8)));
    return out;
}

double rms(const Stereo& s, size_t fromFrame, size_t toFrame) {
    double sum = 0;
    size_t n = 0;
    for (size_t i = fromFrame * 2; i < toFrame * 2 && i < s.samples.size(); ++i, ++n)
        sum += static_cast<double>(s.samples[i]) * s.samples[i];
    return n ? std::sqrt(sum / static_cast<double>(n)) : 0;
}

class SoundMix : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(chooseSoundFont("")) << "the system GM SoundFont is missing";
    }
    void openAndPlay(FluidSynthDevice& device, const testkit::Bytes& song) {
        testkit::writeBytes(dir_ / "Input.bin", song);
        ASSERT_FALSE(device.open((dir_ / "Input.bin").string()));
        device.play();
    }
    testkit::TempDir dir_;
};

TEST_F(SoundMix, TheDriverCallbackGivesTheSamplesOfTheWavFile) {
    const auto wav = dir_ / "out.wav";
    {
        FluidSynthDevice fileDevice(manualOptions(wav.string()));
        openAndPlay(fileDevice, shortNoteThenSilence());
        fileDevice.render(1500);
    }
    FluidSynthDevice cardDevice(manualOptions());
    openAndPlay(cardDevice, shortNoteThenSilence());
    // PulseAudio's period and ALSA's differ; the mix must not depend on the period.
    const Stereo pulled = pullLikeADriver(cardDevice, kRate * 3 / 2, 1024);
    const Stereo written = wavSamples(wav);
    ASSERT_EQ(pulled.samples.size(), written.samples.size());
    EXPECT_EQ(pulled.samples, written.samples);
}

TEST_F(SoundMix, AShortNoteRingsOnInTheReverbOnTheSoundCardPath) {
    FluidSynthDevice device(manualOptions());
    openAndPlay(device, shortNoteThenSilence());
    const Stereo pulled = pullLikeADriver(device, kRate * 2, 256);
    // The note sounds for 50 ms; its own release is over well before 400 ms.
    const double note = rms(pulled, 0, kRate / 20);
    const double tail = rms(pulled, kRate * 4 / 10, kRate * 8 / 10);
    ASSERT_GT(note, 300.0) << "the note was not heard at all";
    EXPECT_GT(tail, 3.0) << "nothing rings on after the note: reverb was dropped";
    EXPECT_LT(tail, note) << "the tail should be quieter than the note";
}

TEST_F(SoundMix, LoudSongsNeverClip) {
    FluidSynthDevice device(manualOptions());
    openAndPlay(device, loudChords());
    const Stereo pulled = pullLikeADriver(device, kRate * 4, 1024);
    int peak = 0;
    size_t atFullScale = 0;
    for (int16_t s : pulled.samples) {
        peak = std::max(peak, std::abs(int{s}));
        atFullScale += std::abs(int{s}) >= 32767 ? 1 : 0;
    }
    EXPECT_EQ(atFullScale, 0u);
    EXPECT_GT(peak, 16000) << "the limiter should only hold peaks, not quieten the song";
}

} // namespace
