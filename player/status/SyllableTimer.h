#pragma once
// Lights each syllable when it is heard, not at the next status tick: between ticks a
// single-shot timer is aimed at the moment the pending syllable's tick reaches the
// listener, and lights it then through the same AdvanceLyric the tick runs.
#include "device/SequencerDevice.h"
#include "lyric/LyricAdvance.h"
#include "state/PlayerState.h"

#include <QTimer>

namespace player {

class SyllableTimer {
public:
    SyllableTimer(PlayerState& state, SequencerDevice& device, LyricAdvance& lyric);

    // Aims at the pending syllable, or rests when nothing is pending or nothing plays.
    void aim();
    void stop() { timer_.stop(); }
    bool isAimed() const { return timer_.isActive(); }

private:
    void fire();

    PlayerState& state_;
    SequencerDevice& device_;
    LyricAdvance& lyric_;
    QTimer timer_;
};

} // namespace player
