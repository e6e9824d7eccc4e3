#include "PresetHolder.h"

#include <algorithm>

namespace player {
namespace {

constexpr int kDrumChannel = 9;

} // namespace

PresetHolder::PresetHolder(fluid_sfont_t* soundFont) : soundFont_(soundFont) {
    settings_.reset(new_fluid_settings());
    if (!settings_)
        return;
    // It never sounds: no effects, no voices to speak of, two sets of channels.
    fluid_settings_setint(settings_.get(), "synth.midi-channels", 2 * kSetSize);
    fluid_settings_setint(settings_.get(), "synth.polyphony", 1);
    fluid_settings_setint(settings_.get(), "synth.reverb.active", 0);
    fluid_settings_setint(settings_.get(), "synth.chorus.active", 0);
    fluid_settings_setint(settings_.get(), "synth.lock-memory", 0);
    synth_.reset(new_fluid_synth(settings_.get()));
    if (synth_ && fluid_synth_add_sfont(synth_.get(), soundFont_) == FLUID_FAILED)
        synth_.reset();
}

PresetHolder::~PresetHolder() {
    if (!synth_)
        return;
    for (int channel = 0; channel < 2 * kSetSize; ++channel)
        fluid_synth_unset_program(synth_.get(), channel);
    // The SoundFont stays the playing synthesiser's: taken off the stack, not deleted.
    fluid_synth_remove_sfont(synth_.get(), soundFont_);
}

void PresetHolder::hold(const std::vector<PresetUse>& presets) {
    if (!synth_)
        return;
    // Every play starts from piano and the standard drum kit.
    std::vector<PresetUse> wanted{{0, 0, 0}, {kDrumChannel, 0, 0}};
    for (const PresetUse& use : presets)
        if (std::find(wanted.begin(), wanted.end(), use) == wanted.end())
            wanted.push_back(use);
    set_ = 1 - set_;
    const int first = set_ * kSetSize;
    const int count = std::min<int>(static_cast<int>(wanted.size()), kSetSize);
    for (int i = 0; i < count; ++i) {
        const PresetUse& use = wanted[static_cast<size_t>(i)];
        const int channel = first + i;
        fluid_synth_set_channel_type(synth_.get(), channel,
                                     use.channel == kDrumChannel ? CHANNEL_TYPE_DRUM
                                                                 : CHANNEL_TYPE_MELODIC);
        fluid_synth_bank_select(synth_.get(), channel, use.bank);
        fluid_synth_program_change(synth_.get(), channel, use.program);
    }
    for (int channel = first + count; channel < first + kSetSize; ++channel)
        fluid_synth_unset_program(synth_.get(), channel);
    // Only now the song before lets go, so what both use is never unloaded in between.
    const int previous = (1 - set_) * kSetSize;
    for (int channel = previous; channel < previous + kSetSize; ++channel)
        fluid_synth_unset_program(synth_.get(), channel);
}

} // namespace player
