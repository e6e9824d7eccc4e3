#pragma once
// What the device needs to know of a song before it plays it: its division, where its
// longest track ends and the instruments it selects. Reading it also proves the file is a Standard
// MIDI File the synthesiser's player will take, so a bad song fails at open, not in the middle of
// play.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace player {

// Karaoke songs are a few hundred kilobytes; a file beyond this is no song to hold in memory.
inline constexpr int64_t kMaxSongFileBytes = 16 * 1024 * 1024;

// An instrument a song asks for: the bank (controller 0) and program in force on a
// channel when one of its program changes comes.
struct PresetUse {
    uint8_t channel = 0;
    uint8_t bank = 0;
    uint8_t program = 0;
    friend bool operator==(const PresetUse&, const PresetUse&) = default;
};

struct SongTiming {
    int32_t division = 0;           // ticks per quarter note, 1..32767
    int64_t endTick = 0;            // the tick of the last event of the longest track
    std::vector<PresetUse> presets; // each once, in the order first met
    // The song as the synthesiser's file player gets it: every track up to its last whole
    // event and closed with an end-of-track event, nothing after the last track.
    std::vector<unsigned char> playable;
};

// A failure is a text for the status line, or empty when the file simply is no song (no
// header, a time-code division, not one event to play).
std::variant<SongTiming, std::string> readSongTiming(const std::vector<unsigned char>& file);

} // namespace player
