#pragma once
// Reading the open lyric files forward, every line decoded before it is looked at.
#include "state/PlayerState.h"

namespace player {

// Whether "Input.dat" has no more records for the lyric. Without lyric the records are
// never read (only a successful extraction makes them the song's lyric), so the file
// counts as ended: a reader waiting for its end would otherwise wait forever.
bool LyricDataAtEnd(PlayerState& state);

// Reads lines of "Input.dat" into RawRecord until one is not empty or the file ends;
// RawRecord is "" when none is left. False when the file is not open or a read fails.
bool ReadNextRecord(PlayerState& state);

// Reads lines of "Input.str" into NextLine until one that begins a lyric line ("/" or
// "\") has been read or the file ends, passing over empty lines. False when the file is
// not open or a read fails.
bool ReadNextLyricLine(PlayerState& state);

} // namespace player
