#pragma once
// The MIDI output short messages are sent to: the synthesiser that plays the songs.
#include <cstdint>

namespace player {

class MidiOutput {
public:
    virtual ~MidiOutput() = default;

    // Failure code of open when the output is in use by someone else.
    static constexpr int kBusy = 4;

    // Makes the output ready for short messages. Returns 0, or a failure code (kBusy, or
    // any other non-zero value when there is no output at all).
    virtual int openOutput() = 0;

    // One channel message: status byte, then its one or two data bytes (0..127). Only
    // between a successful openOutput and closeOutput.
    virtual void shortMessage(uint8_t status, uint8_t data1, uint8_t data2) = 0;

    virtual void closeOutput() = 0;
};

} // namespace player
