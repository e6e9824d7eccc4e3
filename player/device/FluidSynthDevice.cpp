#include "FluidSynthDevice.h"

#include "DeviceMode.h"
#include "SoundFontChoice.h"
#include "WavWriter.h"

#include <QtDebug>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace player {
namespace {

// FluidSynth's own complaints go to our log; its chatter does not.
void routeFluidLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        auto toQt = [](int level, const char* message, void*) {
            if (level <= FLUID_WARN)
                qWarning("fluidsynth: %s", message);
        };
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN})
            fluid_set_log_function(level, toQt, nullptr);
        for (int level : {FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
    });
}

constexpr int kRenderBlock = 512; // frames per render call of the file and manual paths

// The synthesiser's master gain. FluidSynth's own default, 0.2, leaves too little
// headroom once every channel is at full volume, as the MIDI reset before each song puts
// them; this keeps the loudness of FluidSynth's own renders within a decibel or two and
// leaves the rare peak beyond full scale to the limiter.
constexpr double kSynthGain = 0.16;
// The limiter's ceiling sits just under full scale so a 16-bit sample never saturates;
// it lets go over a fifth of a second, slower than any beat, so it does not pump.
constexpr float kCeiling = 0.98f;
constexpr double kReleaseSeconds = 0.2;

constexpr int kSongChannels = 16;

// The sound card closes after this much silence (a reverb tail has died by then), and is
// taken as lost when it has not pulled for this long while a song plays: longer than a
// sound server may hold a new stream before it starts (over a second has been seen).
constexpr int64_t kQuietBeforeClose = 2'000'000'000;
constexpr int64_t kSilentDriverIsLost = 3'000'000'000;
constexpr int kWatchIntervalMs = 250;

int64_t nowNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::optional<std::vector<unsigned char>> readSong(const std::string& file) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    if (!in)
        return std::nullopt;
    const std::streamsize size = in.tellg();
    if (size < 0 || size > kMaxSongFileBytes)
        return std::nullopt;
    std::vector<unsigned char> bytes(static_cast<size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size))
        return std::nullopt;
    return bytes;
}

std::string fileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

int16_t toSample(float value) {
    return static_cast<int16_t>(std::lround(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
}

} // namespace

FluidSynthDevice::Options
FluidSynthDevice::Options::fromEnvironment(const std::string& songFolder) {
    Options options;
    auto choices = soundFontChoices(songFolder);
    if (!choices.empty()) {
        options.soundFont = choices.front();
        options.fallbackSoundFonts.assign(choices.begin() + 1, choices.end());
    }
    if (const char* wav = std::getenv("MELODECK_AUDIO_FILE"); wav && *wav)
        options.wavFile = wav;
    return options;
}

FluidSynthDevice::FluidSynthDevice(Options options)
    : manualClock_(options.manualClock), limiter_(kCeiling, 1), clock_(44100) {
    routeFluidLog();
    settings_.reset(new_fluid_settings());
    if (settings_) {
        // The file player follows the rendered samples, so time is whatever the output pulls.
        fluid_settings_setstr(settings_.get(), "player.timing-source", "sample");
        // Instruments are reset here before each play, on this thread; the player's own
        // reset at a song's end would drop the held instruments on the audio thread.
        fluid_settings_setint(settings_.get(), "player.reset-synth", 0);
        fluid_settings_setint(settings_.get(), "synth.lock-memory", 0);
        fluid_settings_setnum(settings_.get(), "synth.gain", kSynthGain);
        // Only the samples of the instruments a song uses are held: a full General MIDI
        // SoundFont is some 150 MB, a song needs a few of its instruments.
        fluid_settings_setint(settings_.get(), "synth.dynamic-sample-loading", 1);
        synth_.reset(new_fluid_synth(settings_.get()));
    }
    if (!synth_) {
        soundFontNotice_ = "The synthesiser could not be started: no song can play.";
        updateNotice();
        error_ = 1;
        return;
    }
    double rate = 44100;
    fluid_settings_getnum(settings_.get(), "synth.sample-rate", &rate);
    sampleRate_ = static_cast<int>(rate);
    clock_.setSampleRate(sampleRate_);
    limiter_ = PeakLimiter(kCeiling, static_cast<int>(kReleaseSeconds * sampleRate_));

    loadSoundFont(options);
    startFileOutput(options);
    if (!manualClock_ && !wav_) {
        soundCard_ = std::make_unique<AudioOutput>(settings_.get());
        // Opened once at start so that a missing sound card is told at once; it closes
        // again when it has had nothing but silence to play for a while.
        openSoundCard();
        quietSinceNanoseconds_ = nowNanoseconds();
        connect(&soundCardWatch_, &QTimer::timeout, this, [this] { watchSoundCard(); });
        soundCardWatch_.start(kWatchIntervalMs);
    }
    updateNotice();

    tickTimer_.setTimerType(Qt::PreciseTimer);
    connect(&tickTimer_, &QTimer::timeout, this, [this] {
        if (tickHandler_)
            tickHandler_();
    });
}

FluidSynthDevice::~FluidSynthDevice() {
    tickTimer_.stop();
    soundCardWatch_.stop();
    stopRenderThread();
    closeSoundCard();
    player_.reset();
}

void FluidSynthDevice::loadSoundFont(const Options& options) {
    if (options.soundFont.empty()) {
        soundFontNotice_ = "No SoundFont: put a .sf2 file in the songs.";
        return;
    }
    std::vector<std::string> tries{options.soundFont};
    tries.insert(tries.end(), options.fallbackSoundFonts.begin(), options.fallbackSoundFonts.end());
    for (const std::string& soundFont : tries) {
        if (fluid_synth_sfload(synth_.get(), soundFont.c_str(), 1) == FLUID_FAILED)
            continue;
        hasSoundFont_ = true;
        // The one the user put there failed: say so, and that the music still plays.
        if (soundFont != options.soundFont)
            soundFontNotice_ = "Cannot load " + fileName(options.soundFont) + ": " +
                               fileName(soundFont) + " plays.";
        break;
    }
    if (!hasSoundFont_)
        soundFontNotice_ = "Cannot load the SoundFont " + fileName(options.soundFont) + ".";
    else
        presets_ = std::make_unique<PresetHolder>(fluid_synth_get_sfont(synth_.get(), 0));
}

void FluidSynthDevice::startFileOutput(const Options& options) {
    if (options.wavFile.empty())
        return;
    wavFile_ = options.wavFile;
    wav_ = std::make_unique<WavWriter>(options.wavFile, sampleRate_);
    if (!wav_->ok()) {
        outputNotice_ = "Cannot write the sound file " + options.wavFile + ".";
        wav_.reset();
    }
    // The file is the listener: it takes the sound in real time unless a test clocks it.
    if (wav_ && !options.manualClock)
        startRenderThread();
}

std::string FluidSynthDevice::outputDescription() const {
    if (wav_)
        return "the sound file " + wavFile_;
    if (manualClock_)
        return "none (test clock)";
    if (soundCard_ && soundCard_->isOpen())
        return soundCard_->description();
    if (soundCard_ && !outputNotice_.empty())
        return "none: " + outputNotice_;
    return soundCard_ ? soundCard_->description() : "none";
}

void FluidSynthDevice::setOutputNotice(std::string text) {
    if (text == outputNotice_)
        return;
    outputNotice_ = std::move(text);
    updateNotice();
}

void FluidSynthDevice::updateNotice() {
    std::string joined = soundFontNotice_;
    if (!outputNotice_.empty())
        joined += (joined.empty() ? "" : " ") + outputNotice_;
    if (joined == notice_)
        return;
    notice_ = std::move(joined);
    emit noticeChanged();
}

bool FluidSynthDevice::openSoundCard() {
    if (soundCard_->isOpen())
        return true;
    stopRenderThread();
    lastPullNanoseconds_ = nowNanoseconds();
    if (auto failure = soundCard_->open(&FluidSynthDevice::audioCallback, this)) {
        setOutputNotice(*failure);
        // The song still keeps time, silently, so the lyric goes on.
        startRenderThread();
        return false;
    }
    setOutputNotice({});
    return true;
}

void FluidSynthDevice::closeSoundCard() {
    if (soundCard_)
        soundCard_->close();
}

void FluidSynthDevice::startRenderThread() {
    if (renderThread_.joinable())
        return;
    stopRendering_ = false;
    renderThread_ = std::thread([this] { renderInRealTime(); });
}

void FluidSynthDevice::stopRenderThread() {
    stopRendering_ = true;
    if (renderThread_.joinable())
        renderThread_.join();
}

bool FluidSynthDevice::sounding() const {
    return transport_ == Transport::Playing && player_ && !reachedEnd();
}

void FluidSynthDevice::watchSoundCard() {
    const int64_t now = nowNanoseconds();
    if (sounding()) {
        quietSinceNanoseconds_ = now;
        if (soundCard_->isOpen() && now - lastPullNanoseconds_ > kSilentDriverIsLost) {
            // The driver's thread has given up (a sound server that went away): the song
            // would stand still for ever. The status tick reports the error and stops.
            closeSoundCard();
            error_ = 1;
            setOutputNotice("Sound output lost: press Play to retry.");
        }
        return;
    }
    // Rendering silence costs a steady share of a core; nobody hears it. The same holds for
    // the silent clock that stands in for a sound card that would not open.
    if (now - quietSinceNanoseconds_ > kQuietBeforeClose) {
        closeSoundCard();
        stopRenderThread();
    }
}

void FluidSynthDevice::mix(float* left, float* right, int frames) {
    for (int done = 0; done < frames; done += AudibleClock::kBlockFrames) {
        const int n = std::min(AudibleClock::kBlockFrames, frames - done);
        std::optional<int64_t> tick;
        if (player_ && fluid_player_get_status(player_.get()) == FLUID_PLAYER_PLAYING)
            tick = fluid_player_get_current_tick(player_.get());
        // Reverb and chorus mixed into the dry signal, as every output must hear them.
        fluid_synth_write_float(synth_.get(), n, left + done, 0, 1, right + done, 0, 1);
        clock_.rendered(tick);
    }
    limiter_.process(left, right, frames);
}

int FluidSynthDevice::audioCallback(void* device, int frames, int, float*[], int outCount,
                                    float* out[]) {
    auto* self = static_cast<FluidSynthDevice*>(device);
    if (outCount < 2 || frames <= 0)
        return FLUID_OK;
    const auto start = std::chrono::steady_clock::now();
    const int held = self->soundCard_ ? self->soundCard_->heldFrames() : 0;
    {
        const std::lock_guard hold(self->renderLock_);
        self->clock_.pulled(start, held);
        self->mix(out[0], out[1], frames);
    }
    const auto end = std::chrono::steady_clock::now();
    self->lastPullNanoseconds_ =
        std::chrono::duration_cast<std::chrono::nanoseconds>(end.time_since_epoch()).count();
    const int64_t took = std::chrono::duration_cast<std::chrono::microseconds>(end - start).count();
    int64_t longest = self->longestPullMicroseconds_.load();
    while (took > longest && !self->longestPullMicroseconds_.compare_exchange_weak(longest, took)) {
    }
    return FLUID_OK;
}

int64_t FluidSynthDevice::takeLongestPullMicroseconds() {
    return longestPullMicroseconds_.exchange(0);
}

double FluidSynthDevice::pullPeriodMilliseconds() const {
    if (!soundCard_ || !soundCard_->isOpen())
        return 0;
    return 1000.0 * soundCard_->periodFrames() / soundCard_->sampleRate();
}

void FluidSynthDevice::renderFrames(int frames) {
    std::vector<float> left(kRenderBlock);
    std::vector<float> right(kRenderBlock);
    std::vector<int16_t> interleaved(static_cast<size_t>(kRenderBlock) * 2);
    while (frames > 0) {
        const int n = std::min(frames, kRenderBlock);
        {
            const std::lock_guard hold(renderLock_);
            clock_.pulled(std::chrono::steady_clock::now(), 0);
            mix(left.data(), right.data(), n);
        }
        if (wav_) {
            for (int i = 0; i < n; ++i) {
                interleaved[2 * static_cast<size_t>(i)] = toSample(left[i]);
                interleaved[2 * static_cast<size_t>(i) + 1] = toSample(right[i]);
            }
            wav_->write(interleaved.data(), n);
        }
        frames -= n;
    }
}

void FluidSynthDevice::renderInRealTime() {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    int64_t done = 0;
    while (!stopRendering_) {
        const auto elapsed =
            std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
        const int64_t due = elapsed * sampleRate_ / 1000000;
        // After a stall of more than a second the song skips ahead rather than racing.
        done = std::max(done, due - sampleRate_);
        if (due > done) {
            renderFrames(static_cast<int>(due - done));
            done = due;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void FluidSynthDevice::render(int milliseconds) {
    if (!synth_ || milliseconds <= 0)
        return;
    manualMilliseconds_ += milliseconds;
    const int64_t due = manualMilliseconds_ * sampleRate_ / 1000;
    renderFrames(static_cast<int>(due - manualFrames_));
    manualFrames_ = due;
}

std::optional<std::string> FluidSynthDevice::open(const std::string& file) {
    close();
    if (!synth_)
        return notice_;
    if (!hasSoundFont_)
        return soundFontNotice_;
    auto bytes = readSong(file);
    if (!bytes)
        return std::string();
    auto timing = readSongTiming(*bytes);
    if (auto* failure = std::get_if<std::string>(&timing))
        return *failure;
    timing_ = std::move(std::get<SongTiming>(timing));
    if (presets_)
        presets_->hold(timing_->presets);
    transport_ = Transport::Stopped;
    startTick_ = 0;
    error_ = 0;
    return std::nullopt;
}

// What FluidSynth's player would do at the start of a song, done here where loading an
// instrument cannot hold up the sound: every song channel back to its first instrument.
void FluidSynthDevice::resetPrograms() {
    for (int channel = 0; channel < kSongChannels; ++channel) {
        fluid_synth_bank_select(synth_.get(), channel, 0);
        fluid_synth_program_change(synth_.get(), channel, 0);
    }
}

void FluidSynthDevice::close() {
    {
        const std::lock_guard hold(renderLock_);
        player_.reset();
    }
    timing_.reset();
    transport_ = Transport::Stopped;
    startTick_ = 0;
    if (synth_)
        fluid_synth_all_sounds_off(synth_.get(), -1);
}

bool FluidSynthDevice::startPlayerAt(int64_t tick) {
    resetPrograms();
    const std::lock_guard hold(renderLock_);
    player_.reset(new_fluid_player(synth_.get()));
    if (!player_ ||
        fluid_player_add_mem(player_.get(), timing_->playable.data(), timing_->playable.size()) !=
            FLUID_OK ||
        fluid_player_seek(player_.get(), static_cast<int>(tick)) != FLUID_OK ||
        fluid_player_play(player_.get()) != FLUID_OK) {
        player_.reset();
        error_ = 1;
        return false;
    }
    return true;
}

void FluidSynthDevice::play() {
    if (!timing_)
        return;
    if (soundCard_) {
        // A lost sound card is tried again; the song moves silently if it still fails.
        if (error_ != 0 && !soundCard_->isOpen())
            error_ = 0;
        openSoundCard();
        quietSinceNanoseconds_ = nowNanoseconds();
    }
    if (transport_ == Transport::Paused || (transport_ == Transport::Playing && !reachedEnd())) {
        // A held or running player jumps: the seek is taken up at its next step.
        fluid_player_seek(player_.get(), static_cast<int>(startTick_));
        if (transport_ == Transport::Paused && fluid_player_play(player_.get()) != FLUID_OK)
            error_ = 1;
    } else if (!startPlayerAt(startTick_)) {
        transport_ = Transport::Stopped;
        return;
    }
    transport_ = Transport::Playing;
}

void FluidSynthDevice::pause() {
    if (transport_ != Transport::Playing || reachedEnd())
        return;
    fluid_player_stop(player_.get());
    transport_ = Transport::Paused;
}

void FluidSynthDevice::stop() {
    if (!timing_)
        return;
    if (player_ && transport_ == Transport::Playing)
        fluid_player_stop(player_.get());
    transport_ = Transport::Stopped;
    fluid_synth_all_sounds_off(synth_.get(), -1);
}

void FluidSynthDevice::setStartPosition(int32_t sixteenths) {
    if (!timing_)
        return;
    const int64_t tick = int64_t{std::clamp(sixteenths, 0, length())} * timing_->division / 4;
    startTick_ = std::min(tick, timing_->endTick);
}

void FluidSynthDevice::setTickInterval(int32_t milliseconds) {
    tickInterval_ = std::max(0, milliseconds);
    if (tickInterval_ == 0)
        tickTimer_.stop();
    else
        tickTimer_.start(tickInterval_);
}

void FluidSynthDevice::setStatusTickHandler(std::function<void()> handler) {
    tickHandler_ = std::move(handler);
}

// FluidSynth's player keeps running for a grace period after the last event so that notes
// can ring out; the song has ended for the player once that last event's tick is reached.
bool FluidSynthDevice::reachedEnd() const {
    return transport_ == Transport::Playing && player_ &&
           (fluid_player_get_status(player_.get()) == FLUID_PLAYER_DONE ||
            fluid_player_get_current_tick(player_.get()) >= timing_->endTick);
}

int32_t FluidSynthDevice::mode() const {
    if (!timing_)
        return ModeNotOpen;
    switch (transport_) {
    case Transport::Playing:
        return reachedEnd() ? ModeStopped : ModePlaying;
    case Transport::Paused:
        return ModePaused;
    case Transport::Stopped:
        break;
    }
    return ModeStopped;
}

int32_t FluidSynthDevice::ticksToSixteenths(int64_t ticks) const {
    const int64_t sixteenths = std::max<int64_t>(0, ticks) * 4 / timing_->division;
    return static_cast<int32_t>(std::min<int64_t>(sixteenths, INT32_MAX));
}

int32_t FluidSynthDevice::length() const {
    return timing_ ? ticksToSixteenths(timing_->endTick) : 0;
}

int64_t FluidSynthDevice::currentTick() const {
    if (!timing_ || !player_)
        return 0;
    if (reachedEnd())
        return timing_->endTick;
    return std::min<int64_t>(timing_->endTick, fluid_player_get_current_tick(player_.get()));
}

int32_t FluidSynthDevice::position() const {
    if (!timing_ || !player_)
        return 0;
    return std::min(length(), ticksToSixteenths(currentTick()));
}

// The song time being heard is the rendered song time less what the output still holds
// (the driver's buffer, AudioOutput::heldFrames; nothing for the file and the manual clock,
// whose samples are "heard" as they are rendered). Before the first sample of a new start
// reaches the listener, the start position is what is heard.
SongTime FluidSynthDevice::audibleTime() const {
    if (!timing_)
        return {};
    int64_t tick = currentTick();
    if (!manualClock_ && transport_ == Transport::Playing) {
        const int64_t frame = clock_.audibleFrame(std::chrono::steady_clock::now());
        tick = std::clamp<int64_t>(clock_.tickAt(frame).value_or(startTick_), 0, tick);
    }
    return {ticksToSixteenths(tick), tick};
}

int32_t FluidSynthDevice::millisecondsUntil(int64_t tick) const {
    if (!timing_ || !player_ || transport_ != Transport::Playing)
        return -1;
    const int64_t ahead = tick - audibleTime().tick;
    if (ahead <= 0)
        return 0;
    const int tempo = fluid_player_get_midi_tempo(player_.get()); // microseconds a quarter
    if (tempo <= 0)
        return -1;
    const double ms = static_cast<double>(ahead) * tempo / timing_->division / 1000.0;
    return static_cast<int32_t>(std::min(ms, 3600000.0));
}

int FluidSynthDevice::openOutput() {
    return synth_ ? 0 : 2;
}

void FluidSynthDevice::shortMessage(uint8_t status, uint8_t data1, uint8_t data2) {
    if (!synth_)
        return;
    const int channel = status & 0x0F;
    switch (status & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(synth_.get(), channel, data1);
        break;
    case 0x90:
        fluid_synth_noteon(synth_.get(), channel, data1, data2);
        break;
    case 0xA0:
        fluid_synth_key_pressure(synth_.get(), channel, data1, data2);
        break;
    case 0xB0:
        fluid_synth_cc(synth_.get(), channel, data1, data2);
        break;
    case 0xC0:
        fluid_synth_program_change(synth_.get(), channel, data1);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(synth_.get(), channel, data1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(synth_.get(), channel, data1 | (data2 << 7));
        break;
    default:
        break;
    }
}

} // namespace player
