#pragma once
// Which SoundFont the synthesiser loads: the first "*.sf2" or "*.sf3" of the application
// folder (letter case ignored, names sorted without regard to case), else Debian's FluidR3
// GM, else the system's General MIDI SoundFont.
#include <optional>
#include <string>

namespace player {

std::optional<std::string> chooseSoundFont(const std::string& appFolder);

} // namespace player
