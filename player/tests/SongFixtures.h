#pragma once
// Songs built in code for the player's tests.
#include "MidiBuilder.h"

#include <cstdint>
#include <vector>

namespace fixtures {

struct TempoChange {
    uint32_t tick;
    uint32_t microsPerQuarter;
};

// A format-1 song that sounds from its first tick: a tempo track with the given changes
// and one piano track holding notes until endTick.
inline testkit::Bytes soundingSong(uint16_t division, uint32_t endTick,
                                   const std::vector<TempoChange>& tempi = {{0, 500000}}) {
    testkit::TrackBuilder tempo;
    uint32_t at = 0;
    for (const auto& change : tempi) {
        tempo.tempo(change.tick - at, change.microsPerQuarter);
        at = change.tick;
    }
    tempo.endOfTrack(endTick - at);

    testkit::TrackBuilder notes;
    notes.program(0, 0, 0);
    const uint32_t step = division; // one note per quarter
    uint32_t t = 0;
    for (; t + step <= endTick; t += step)
        notes.noteOn(0, 0, 60 + static_cast<int>((t / step) % 12), 100)
            .noteOff(step, 0, 60 + static_cast<int>((t / step) % 12));
    notes.endOfTrack(endTick - t);
    return testkit::MidiBuilder(1, division).track(tempo).track(notes).build();
}

} // namespace fixtures
