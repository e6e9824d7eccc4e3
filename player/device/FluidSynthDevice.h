#pragma once
// The sequencer and MIDI output over FluidSynth: its MIDI file player drives one
// synthesiser that lives for the whole run, so the SoundFont is loaded once. The player is
// clocked by the samples the synthesiser renders, whether a sound card, a render thread
// writing a WAV file, or a test asking for a number of milliseconds pulls them.
#include "FluidHandles.h"
#include "MidiOutput.h"
#include "SequencerDevice.h"
#include "SongTiming.h"

#include <QObject>
#include <QTimer>
#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace player {

class WavWriter;

class FluidSynthDevice : public QObject, public SequencerDevice, public MidiOutput {
    Q_OBJECT
public:
    struct Options {
        std::string soundFont; // empty: there is none, and no song opens
        // No sound output and no clock of its own: time moves only by render().
        bool manualClock = false;
        std::string wavFile; // the sound goes to this file instead of the sound card

        // The SoundFont of the application folder or the system, and MELODECK_AUDIO_FILE.
        static Options fromEnvironment(const std::string& appFolder);
    };

    explicit FluidSynthDevice(Options options);
    ~FluidSynthDevice() override;

    // Why the device works less than fully (no SoundFont, no sound output); empty when
    // all is well. Meant for the status line at start.
    const std::string& notice() const { return notice_; }

    // Manual clock only: renders this many milliseconds of sound (into the WAV file when
    // there is one); a playing song moves exactly that far.
    void render(int milliseconds);

    std::optional<std::string> open(const std::string& file) override;
    void close() override;
    void play() override;
    void pause() override;
    void stop() override;
    void setStartPosition(int32_t sixteenths) override;
    void setTickInterval(int32_t milliseconds) override;
    int32_t tickInterval() const override { return tickInterval_; }
    void setStatusTickHandler(std::function<void()> handler) override;
    bool canPlay() const override { return timing_.has_value(); }
    int32_t mode() const override;
    int32_t length() const override;
    int32_t position() const override;
    int32_t error() const override { return error_; }

    int openOutput() override;
    void shortMessage(uint8_t status, uint8_t data1, uint8_t data2) override;
    void closeOutput() override {}

private:
    enum class Transport { Stopped, Playing, Paused };

    void startSoundOutput(const Options& options);
    void renderFrames(int frames);
    static int renderForDriver(void* device, int frames, int effectCount, float* effects[],
                               int outCount, float* out[]);
    void renderInRealTime();
    bool startPlayerAt(int64_t tick);
    bool reachedEnd() const;
    int32_t ticksToSixteenths(int64_t ticks) const;

    FluidSettings settings_;
    FluidSynth synth_;
    FluidAudioDriver driver_;
    bool hasSoundFont_ = false;
    std::string notice_;
    int sampleRate_ = 44100;

    // Held while samples are rendered and while the file player is made or destroyed:
    // the player's clock runs inside the rendering, on whichever thread pulls the sound.
    std::mutex renderLock_;
    std::unique_ptr<WavWriter> wav_;
    std::thread renderThread_;
    std::atomic<bool> stopRendering_{false};
    int64_t manualFrames_ = 0;
    int64_t manualMilliseconds_ = 0;

    std::vector<unsigned char> song_;
    std::optional<SongTiming> timing_;
    FluidPlayer player_;
    Transport transport_ = Transport::Stopped;
    int64_t startTick_ = 0;
    int32_t error_ = 0;

    QTimer tickTimer_;
    int32_t tickInterval_ = 0;
    std::function<void()> tickHandler_;
};

} // namespace player
