#pragma once
// The MIDI sequencer the player plays its songs on, with the vocabulary of a multimedia
// control: a song file is opened, then played, paused and stopped from a start position;
// it reports mode, length and position; while a tick interval is set it raises the status
// tick. Every call is made on the user-interface thread and returns at once, except open.
//
// Song time is in sixteenth notes: MIDI ticks x 4 / division, cut toward zero.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace player {

// A moment of the song in both of its units: sixteenth notes, as length and position are
// read, and the MIDI tick, for what must be finer than a sixteenth.
struct SongTime {
    int32_t sixteenths = 0;
    int64_t tick = 0;
};

class SequencerDevice {
public:
    virtual ~SequencerDevice() = default;

    // Opens the song file (a path, relative to the current folder or absolute) and leaves
    // it stopped at its start; any song open before is closed first. Returns no value on
    // success; on failure a reason the user can act on, or an empty text when the file
    // simply is no song the device can play.
    virtual std::optional<std::string> open(const std::string& file) = 0;

    // Releases the song and silences it. Harmless when nothing is open; the tick interval
    // is kept.
    virtual void close() = 0;

    // Starts playing from the start position. Without an open song it does nothing.
    // Playing while already playing jumps to the start position.
    virtual void play() = 0;

    // Holds the song where it is; mode reads paused and the position stays. Only acts
    // while playing.
    virtual void pause() = 0;

    // Ends playing; mode reads stopped. The position is left where the song was.
    virtual void stop() = 0;

    // The position the next play starts from, sixteenth notes, clamped to 0..length.
    virtual void setStartPosition(int32_t sixteenths) = 0;

    // Milliseconds between status ticks; 0 stops them. Setting it restarts the period.
    virtual void setTickInterval(int32_t milliseconds) = 0;
    virtual int32_t tickInterval() const = 0;

    // The handler of the status tick, raised on the user-interface thread at every tick
    // interval; the panel sets it once. An empty function drops the ticks.
    virtual void setStatusTickHandler(std::function<void()> handler) = 0;

    // True from a successful open until close.
    virtual bool canPlay() const = 0;

    // One of DeviceMode. Paused and stopped are tracked by the device: a song that played
    // to its end reads stopped with the position at its length.
    virtual int32_t mode() const = 0;

    // Length of the open song, sixteenth notes; 0 when nothing is open. Never negative.
    virtual int32_t length() const = 0;

    // Playing position, sixteenth notes from the start; 0 when nothing is open. Never
    // negative, never above length.
    virtual int32_t position() const = 0;

    // The song time of the sound reaching the listener now: the playing position less what
    // the sound output still holds. Never above position(); the start position until the
    // song's first sound is heard.
    virtual SongTime audibleTime() const = 0;

    // Milliseconds until `tick` will be heard at the tempo now in force; 0 when it is heard
    // already, -1 when it cannot be told (nothing plays).
    virtual int32_t millisecondsUntil(int64_t tick) const = 0;

    // 0, or not 0 once the device failed while a song was open (the synthesiser or the
    // sound output broke down). Reset by the next open.
    virtual int32_t error() const = 0;
};

} // namespace player
