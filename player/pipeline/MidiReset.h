#pragma once
#include "device/MidiOutput.h"

#include <QString>
#include <optional>

namespace player {

// Puts every channel of the output back to a known state: for channels 0 to 15 in turn,
// reset all controllers, full channel volume, pan to the centre. Returns the status text
// when the output cannot be opened; nothing is sent then.
std::optional<QString> sendMidiReset(MidiOutput& output);

} // namespace player
