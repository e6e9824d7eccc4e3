#pragma once
// The sequencer and MIDI output over FluidSynth: its MIDI file player drives one
// synthesiser that lives for the whole run, so the SoundFont is loaded once. The player is
// clocked by the samples the synthesiser renders, whether a sound card, a render thread
// writing a WAV file, or a test asking for a number of milliseconds pulls them. Every one
// of them gets the same mix: reverb and chorus in, peaks held under full scale.
#include "AudibleClock.h"
#include "AudioOutput.h"
#include "FluidHandles.h"
#include "MidiOutput.h"
#include "PeakLimiter.h"
#include "PresetHolder.h"
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
        // Tried in turn when the SoundFont will not load.
        std::vector<std::string> fallbackSoundFonts;
        // No sound output and no clock of its own: time moves only by render().
        bool manualClock = false;
        std::string wavFile; // the sound goes to this file instead of the sound card

        // The SoundFont of the song folder or the system, and MELODECK_AUDIO_FILE.
        static Options fromEnvironment(const std::string& songFolder);
    };

    explicit FluidSynthDevice(Options options);
    ~FluidSynthDevice() override;

    // Why the device works less than fully (no SoundFont, no sound output, output lost);
    // empty when all is well. It stays until the cause is gone; noticeChanged tells.
    const std::string& notice() const { return notice_; }
    // Where the sound goes, for people: the driver, its device and buffer, or the file.
    std::string outputDescription() const;

    // Manual clock only: renders this many milliseconds of sound (into the WAV file when
    // there is one); a playing song moves exactly that far.
    void render(int milliseconds);

    // What a sound card driver calls for sound, with FluidSynth's driver signature; the
    // ALSA and PulseAudio drivers pass no effect buffers and two output buffers. Public so
    // that a test can pull sound exactly as they do.
    static int audioCallback(void* device, int frames, int effectCount, float* effects[],
                             int outCount, float* out[]);

    // The longest time one pull of the sound card took to render, microseconds, since the
    // last call; and the time one pull asks for, 0 without a sound card. For the benchmark.
    int64_t takeLongestPullMicroseconds();
    double pullPeriodMilliseconds() const;

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
    SongTime audibleTime() const override;
    int32_t millisecondsUntil(int64_t tick) const override;

    int openOutput() override;
    void shortMessage(uint8_t status, uint8_t data1, uint8_t data2) override;
    void closeOutput() override {}

signals:
    void noticeChanged();

private:
    enum class Transport { Stopped, Playing, Paused };

    void loadSoundFont(const Options& options);
    void startFileOutput(const Options& options);
    bool openSoundCard();
    void closeSoundCard();
    void startRenderThread();
    void stopRenderThread();
    void watchSoundCard();
    void setOutputNotice(std::string text);
    void updateNotice();

    // The one mix: renders frames into the two buffers, noting song time per block.
    void mix(float* left, float* right, int frames);
    void renderFrames(int frames);
    void renderInRealTime();

    void resetPrograms();
    bool startPlayerAt(int64_t tick);
    bool reachedEnd() const;
    bool sounding() const;
    int64_t currentTick() const;
    int32_t ticksToSixteenths(int64_t ticks) const;

    FluidSettings settings_;
    FluidSynth synth_;
    bool hasSoundFont_ = false;
    std::unique_ptr<PresetHolder> presets_; // goes before the synthesiser that owns the font
    bool manualClock_ = false;
    std::string soundFontNotice_;
    std::string outputNotice_;
    std::string notice_;
    int sampleRate_ = 44100;

    // Held while samples are rendered and while the file player is made or destroyed:
    // the player's clock runs inside the rendering, on whichever thread pulls the sound.
    // Nothing slow happens under it: every sample a song needs is loaded at open.
    std::mutex renderLock_;
    PeakLimiter limiter_;
    AudibleClock clock_;
    std::unique_ptr<AudioOutput> soundCard_;
    std::unique_ptr<WavWriter> wav_;
    std::string wavFile_;
    std::thread renderThread_;
    std::atomic<bool> stopRendering_{false};
    int64_t manualFrames_ = 0;
    int64_t manualMilliseconds_ = 0;

    // The sound card is watched from the user-interface thread: closed when it has only
    // silence to play, and taken as lost when its driver stops pulling mid-song.
    QTimer soundCardWatch_;
    std::atomic<int64_t> lastPullNanoseconds_{0};
    std::atomic<int64_t> longestPullMicroseconds_{0};
    int64_t quietSinceNanoseconds_ = 0;

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
