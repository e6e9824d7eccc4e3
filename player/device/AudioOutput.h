#pragma once
// The sound card side of the device: one of FluidSynth's audio drivers, chosen as a Linux
// desktop expects. PulseAudio comes first (PipeWire desktops serve it too), then ALSA, then
// whatever else this FluidSynth offers; MELODECK_AUDIO_DRIVER names one driver to use
// alone and MELODECK_AUDIO_DEVICE the device it opens. The driver's thread pulls the sound
// through a callback with FluidSynth's driver signature.
#include "FluidHandles.h"

#include <optional>
#include <string>
#include <vector>

namespace player {

// The drivers to try, in order: `requested` alone when it is not empty, else the ones of
// `offered` that play to a sound card, desktop servers first.
std::vector<std::string> audioDriverOrder(const std::vector<std::string>& offered,
                                          const std::string& requested);

class AudioOutput {
public:
    using Callback = int (*)(void* data, int frames, int effectCount, float* effects[],
                             int outCount, float* out[]);

    // settings: the synthesiser's settings; the audio ones are set here. The driver order
    // and device come from the environment.
    explicit AudioOutput(fluid_settings_t* settings);

    // Opens the first driver of the order that works. On failure the output stays closed,
    // the text is for the status line and the drivers tried go to the log.
    std::optional<std::string> open(Callback callback, void* data);
    // Stops the driver's thread and releases the sound card; the callback is not called
    // after it returns.
    void close();
    bool isOpen() const { return static_cast<bool>(driver_); }

    // The driver, device and buffer last opened, e.g. "pulseaudio, default, 23 ms".
    std::string description() const;
    // Frames the output holds between a pull and the listener: at every pull the sound
    // already handed over still has this much to play.
    int heldFrames() const { return heldFrames_; }
    // Frames one pull asks for.
    int periodFrames() const { return periodFrames_; }
    int sampleRate() const { return sampleRate_; }

private:
    fluid_settings_t* settings_;
    std::vector<std::string> order_;
    std::string device_;
    FluidAudioDriver driver_;
    std::string driverName_;
    int heldFrames_ = 0;
    int periodFrames_ = 0;
    int sampleRate_ = 44100;
};

} // namespace player
