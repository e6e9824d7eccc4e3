#pragma once
// A sequencer that plays nothing: it keeps the state an ideal device would have, records
// every command in order, and fails on command, for tests of the player's logic.
#include "MidiOutput.h"
#include "SequencerDevice.h"

#include <string>
#include <vector>

namespace player {

class FakeDevice : public SequencerDevice, public MidiOutput {
public:
    // What the next open finds: the length of the song in sixteenth notes, or a failure.
    void setSongLength(int32_t sixteenths) { songLength_ = sixteenths; }
    void failNextOpen(std::string reason = {}) { openFailure_ = std::move(reason); }
    void failOutputOpen(int code) { outputFailure_ = code; }

    // Moves the song as if it had played; past the length it reads stopped at the end.
    void advanceTo(int32_t sixteenths);
    void setError(int32_t code) { error_ = code; }
    // MIDI ticks in a sixteenth note of the fake song (its division / 4), for song times in
    // ticks; what is heard is exactly the position.
    void setTicksPerSixteenth(int32_t ticks) { ticksPerSixteenth_ = ticks; }
    void setMode(int32_t mode) { mode_ = mode; }
    // Raises the status tick as the device's timer would, if the interval is not 0.
    void tick();

    // "open <file>", "close", "play from <n>", "pause", "stop"; short messages as
    // "cc <channel> <controller> <value>" or "msg <status> <d1> <d2>".
    const std::vector<std::string>& log() const { return log_; }
    void clearLog() { log_.clear(); }

    std::optional<std::string> open(const std::string& file) override;
    void close() override;
    void play() override;
    void pause() override;
    void stop() override;
    void setStartPosition(int32_t sixteenths) override;
    void setTickInterval(int32_t milliseconds) override { tickInterval_ = milliseconds; }
    int32_t tickInterval() const override { return tickInterval_; }
    void setStatusTickHandler(std::function<void()> handler) override {
        tick_ = std::move(handler);
    }
    bool canPlay() const override { return open_; }
    int32_t mode() const override { return mode_; }
    int32_t length() const override { return open_ ? songLength_ : 0; }
    int32_t position() const override { return open_ ? position_ : 0; }
    int32_t error() const override { return error_; }
    SongTime audibleTime() const override {
        return {position(), int64_t{position()} * ticksPerSixteenth_};
    }
    int32_t millisecondsUntil(int64_t tick) const override;

    int openOutput() override;
    void shortMessage(uint8_t status, uint8_t data1, uint8_t data2) override;
    void closeOutput() override { log_.push_back("close output"); }

private:
    std::vector<std::string> log_;
    std::optional<std::string> openFailure_;
    int outputFailure_ = 0;
    bool open_ = false;
    int32_t songLength_ = 0;
    int32_t mode_ = 524;
    int32_t position_ = 0;
    int32_t startPosition_ = 0;
    int32_t tickInterval_ = 0;
    int32_t error_ = 0;
    int32_t ticksPerSixteenth_ = 120;
    std::function<void()> tick_;
};

} // namespace player
