#include "FluidSynthDevice.h"

#include "DeviceMode.h"
#include "SoundFontChoice.h"
#include "WavWriter.h"

#include <QtDebug>
#include <algorithm>
#include <chrono>
#include <cstdlib>
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

constexpr int kRenderBlock = 512; // frames per render call

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

} // namespace

FluidSynthDevice::Options FluidSynthDevice::Options::fromEnvironment(const std::string& appFolder) {
    Options options;
    options.soundFont = chooseSoundFont(appFolder).value_or("");
    if (const char* wav = std::getenv("MELODECK_AUDIO_FILE"); wav && *wav)
        options.wavFile = wav;
    return options;
}

FluidSynthDevice::FluidSynthDevice(Options options) {
    routeFluidLog();
    settings_.reset(new_fluid_settings());
    if (settings_) {
        // The file player follows the rendered samples, so time is whatever the output pulls.
        fluid_settings_setstr(settings_.get(), "player.timing-source", "sample");
        fluid_settings_setint(settings_.get(), "synth.lock-memory", 0);
        // Only the samples of the instruments a song uses are held: a full General MIDI
        // SoundFont is some 150 MB, a song needs a few of its instruments.
        fluid_settings_setint(settings_.get(), "synth.dynamic-sample-loading", 1);
        synth_.reset(new_fluid_synth(settings_.get()));
    }
    if (!synth_) {
        notice_ = "The synthesiser could not be started: no song can play.";
        error_ = 1;
        return;
    }
    double rate = 44100;
    fluid_settings_getnum(settings_.get(), "synth.sample-rate", &rate);
    sampleRate_ = static_cast<int>(rate);

    if (options.soundFont.empty())
        notice_ = "No SoundFont found: put a .sf2 or .sf3 file into the program's folder.";
    else if (fluid_synth_sfload(synth_.get(), options.soundFont.c_str(), 1) == FLUID_FAILED)
        notice_ = "Cannot load the SoundFont " + options.soundFont + ".";
    else
        hasSoundFont_ = true;

    startSoundOutput(options);

    tickTimer_.setTimerType(Qt::PreciseTimer);
    connect(&tickTimer_, &QTimer::timeout, this, [this] {
        if (tickHandler_)
            tickHandler_();
    });
}

FluidSynthDevice::~FluidSynthDevice() {
    tickTimer_.stop();
    stopRendering_ = true;
    if (renderThread_.joinable())
        renderThread_.join();
    driver_.reset();
    player_.reset();
}

void FluidSynthDevice::startSoundOutput(const Options& options) {
    if (!options.wavFile.empty()) {
        wav_ = std::make_unique<WavWriter>(options.wavFile, sampleRate_);
        if (!wav_->ok()) {
            notice_ = "Cannot write the sound file " + options.wavFile + ".";
            wav_.reset();
        }
    }
    if (options.manualClock)
        return;
    if (!wav_) {
        driver_.reset(
            new_fluid_audio_driver2(settings_.get(), &FluidSynthDevice::renderForDriver, this));
        if (driver_)
            return;
        if (notice_.empty())
            notice_ = "No sound output could be opened: songs play silently.";
    }
    // Without a sound card the render thread keeps the song moving in real time.
    renderThread_ = std::thread([this] { renderInRealTime(); });
}

void FluidSynthDevice::renderFrames(int frames) {
    std::vector<int16_t> buffer(static_cast<size_t>(kRenderBlock) * 2);
    while (frames > 0) {
        const int n = std::min(frames, kRenderBlock);
        {
            const std::lock_guard hold(renderLock_);
            fluid_synth_write_s16(synth_.get(), n, buffer.data(), 0, 2, buffer.data(), 1, 2);
        }
        if (wav_)
            wav_->write(buffer.data(), n);
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

int FluidSynthDevice::renderForDriver(void* device, int frames, int effectCount, float* effects[],
                                      int outCount, float* out[]) {
    auto* self = static_cast<FluidSynthDevice*>(device);
    const std::lock_guard hold(self->renderLock_);
    return fluid_synth_process(self->synth_.get(), frames, effectCount, effects, outCount, out);
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
        return notice_;
    auto bytes = readSong(file);
    if (!bytes)
        return std::string();
    auto timing = readSongTiming(*bytes);
    if (auto* failure = std::get_if<std::string>(&timing))
        return *failure;
    song_ = std::move(*bytes);
    timing_ = std::get<SongTiming>(timing);
    transport_ = Transport::Stopped;
    startTick_ = 0;
    error_ = 0;
    return std::nullopt;
}

void FluidSynthDevice::close() {
    {
        const std::lock_guard hold(renderLock_);
        player_.reset();
    }
    timing_.reset();
    song_.clear();
    transport_ = Transport::Stopped;
    startTick_ = 0;
    if (synth_)
        fluid_synth_all_sounds_off(synth_.get(), -1);
}

bool FluidSynthDevice::startPlayerAt(int64_t tick) {
    const std::lock_guard hold(renderLock_);
    player_.reset(new_fluid_player(synth_.get()));
    if (!player_ || fluid_player_add_mem(player_.get(), song_.data(), song_.size()) != FLUID_OK ||
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

int32_t FluidSynthDevice::position() const {
    if (!timing_ || !player_)
        return 0;
    if (reachedEnd())
        return length();
    return std::min(length(), ticksToSixteenths(fluid_player_get_current_tick(player_.get())));
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
