#include "AudioOutput.h"

#include <QtGlobal>
#include <algorithm>
#include <cstdlib>

namespace player {
namespace {

// Karaoke wants the lyric and the singer's ear close to the music: about 23 ms of sound
// between the synthesiser and the speakers, which a busy desktop still feeds without
// gaps. PulseAudio takes the whole target as one request (its tlength, the server's own
// latency included); ALSA splits it into four periods and asks for one at a time.
constexpr int kPulsePeriod = 1024;
constexpr int kPeriod = 256;
constexpr int kPeriods = 4;

const char* environment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

std::vector<std::string> offeredDrivers(fluid_settings_t* settings) {
    std::vector<std::string> offered;
    fluid_settings_foreach_option(
        settings, "audio.driver", &offered, [](void* list, const char*, const char* option) {
            static_cast<std::vector<std::string>*>(list)->emplace_back(option);
        });
    return offered;
}

} // namespace

std::vector<std::string> audioDriverOrder(const std::vector<std::string>& offered,
                                          const std::string& requested) {
    if (!requested.empty())
        return {requested};
    std::vector<std::string> order;
    for (const char* first : {"pulseaudio", "alsa"})
        if (std::find(offered.begin(), offered.end(), first) != offered.end())
            order.emplace_back(first);
    for (const std::string& driver : offered)
        // "file" writes a file of its own, not a sound card.
        if (driver != "file" && std::find(order.begin(), order.end(), driver) == order.end())
            order.push_back(driver);
    return order;
}

AudioOutput::AudioOutput(fluid_settings_t* settings) : settings_(settings) {
    const char* requested = environment("MELODECK_AUDIO_DRIVER");
    order_ = audioDriverOrder(offeredDrivers(settings), requested ? requested : "");
    if (const char* device = environment("MELODECK_AUDIO_DEVICE"))
        device_ = device;
    double rate = 44100;
    fluid_settings_getnum(settings, "synth.sample-rate", &rate);
    sampleRate_ = static_cast<int>(rate);
}

std::optional<std::string> AudioOutput::open(Callback callback, void* data) {
    close();
    for (const std::string& driver : order_) {
        const bool pulse = driver == "pulseaudio";
        if (fluid_settings_setstr(settings_, "audio.driver", driver.c_str()) != FLUID_OK)
            continue;
        fluid_settings_setint(settings_, "audio.period-size", pulse ? kPulsePeriod : kPeriod);
        fluid_settings_setint(settings_, "audio.periods", pulse ? 2 : kPeriods);
        if (!device_.empty())
            fluid_settings_setstr(settings_, ("audio." + driver + ".device").c_str(),
                                  device_.c_str());
        driver_.reset(new_fluid_audio_driver2(settings_, callback, data));
        if (!driver_)
            continue;
        driverName_ = driver;
        periodFrames_ = pulse ? kPulsePeriod : kPeriod;
        heldFrames_ = pulse ? kPulsePeriod : kPeriod * (kPeriods - 1);
        return std::nullopt;
    }
    std::string tried;
    for (const std::string& driver : order_)
        tried += (tried.empty() ? "" : ", ") + driver;
    qWarning("No sound output could be opened (tried %s).",
             tried.empty() ? "none: this FluidSynth offers no driver" : tried.c_str());
    return "No sound output: songs play silently.";
}

void AudioOutput::close() {
    driver_.reset();
}

std::string AudioOutput::description() const {
    if (driverName_.empty())
        return "none";
    return driverName_ + ", " + (device_.empty() ? std::string("default") : device_) + ", " +
           std::to_string(heldFrames_ * 1000 / sampleRate_) + " ms";
}

} // namespace player
