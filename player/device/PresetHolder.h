#pragma once
// Keeps the instruments a song needs loaded while it plays. The synthesiser loads an
// instrument's samples only when a channel selects it (a General MIDI SoundFont is some
// 150 MB; a song needs a few of its instruments), and the song's own program changes
// select them on the audio thread, where reading and decoding samples makes the sound
// stutter. A second synthesiser that never renders shares the SoundFont and selects the
// song's instruments on its own channels at open, on the caller's thread: the samples are
// loaded there, and the song's program changes later find them loaded.
#include "FluidHandles.h"
#include "SongTiming.h"

#include <vector>

namespace player {

class PresetHolder {
public:
    // soundFont: loaded by the playing synthesiser, which keeps owning it and must outlive
    // the holder.
    explicit PresetHolder(fluid_sfont_t* soundFont);
    ~PresetHolder();
    PresetHolder(const PresetHolder&) = delete;
    PresetHolder& operator=(const PresetHolder&) = delete;

    bool ok() const { return static_cast<bool>(synth_); }

    // Holds these instruments (and the ones every play starts from) and lets go of those of
    // the song before, except what the two share. Call only while no song plays: the
    // SoundFont's counts of who holds what are not guarded against the audio thread.
    void hold(const std::vector<PresetUse>& presets);

private:
    static constexpr int kSetSize = 32; // instruments held for one song
    fluid_sfont_t* soundFont_;
    FluidSettings settings_;
    FluidSynth synth_;
    int set_ = 0; // which half of the channels the current song's instruments are on
};

} // namespace player
