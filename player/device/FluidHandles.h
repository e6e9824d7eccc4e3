#pragma once
// Owning handles for FluidSynth objects.
#include <fluidsynth.h>
#include <memory>

namespace player {

struct FluidDeleter {
    void operator()(fluid_settings_t* p) const { delete_fluid_settings(p); }
    void operator()(fluid_synth_t* p) const { delete_fluid_synth(p); }
    void operator()(fluid_player_t* p) const { delete_fluid_player(p); }
    void operator()(fluid_audio_driver_t* p) const { delete_fluid_audio_driver(p); }
};

using FluidSettings = std::unique_ptr<fluid_settings_t, FluidDeleter>;
using FluidSynth = std::unique_ptr<fluid_synth_t, FluidDeleter>;
using FluidPlayer = std::unique_ptr<fluid_player_t, FluidDeleter>;
using FluidAudioDriver = std::unique_ptr<fluid_audio_driver_t, FluidDeleter>;

} // namespace player
