#pragma once
// What the device needs to know of a song before it plays it: its division and where its
// longest track ends. Reading it also proves the file is a Standard MIDI File the
// synthesiser's player will take, so a bad song fails at open, not in the middle of play.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace player {

// Karaoke songs are a few hundred kilobytes; a file beyond this is no song to hold in memory.
inline constexpr int64_t kMaxSongFileBytes = 16 * 1024 * 1024;

struct SongTiming {
    int32_t division = 0; // ticks per quarter note, 1..32767
    int64_t endTick = 0;  // the tick of the last event of the longest track
};

// A failure is a text for the status line, or empty when the file simply is no song.
std::variant<SongTiming, std::string> readSongTiming(const std::vector<unsigned char>& file);

} // namespace player
