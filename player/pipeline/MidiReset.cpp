#include "MidiReset.h"

namespace player {

std::optional<QString> sendMidiReset(MidiOutput& output) {
    if (const int failure = output.openOutput(); failure != 0)
        return failure == MidiOutput::kBusy ? QStringLiteral("MidiDevice is busy or NotInstalled.")
                                            : QStringLiteral("Cannot open MIDI device.");
    for (uint8_t channel = 0; channel < 16; ++channel) {
        const auto status = static_cast<uint8_t>(0xB0 | channel);
        output.shortMessage(status, 121, 0);
        output.shortMessage(status, 7, 127);
        output.shortMessage(status, 10, 64);
    }
    output.closeOutput();
    return std::nullopt;
}

} // namespace player
