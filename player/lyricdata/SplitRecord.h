#pragma once
#include "state/PlayerState.h"

namespace player {

// Splits RawRecord, a record line "tttttt|text", into NextTick, NextTime and NextSyllable;
// NextTime is the ticks divided by TicksPer16th, cut toward zero. A line of one character or less gives
// time 0 and no syllable; a line with no "|" after its first character gives no syllable
// and keeps NextTime. A head that is not a number reads as time 0.
void SplitRecord(PlayerState& state);

} // namespace player
