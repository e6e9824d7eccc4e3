#pragma once
// Which SoundFont the synthesiser loads: the first "*.sf2" or "*.sf3" of the song folder
// (letter case ignored, names sorted without regard to case), else Debian's FluidR3 GM,
// else the system's General MIDI SoundFont.
#include <optional>
#include <string>
#include <vector>

namespace player {

// Every readable choice, best first: a SoundFont that will not load gives way to the next.
std::vector<std::string> soundFontChoices(const std::string& songFolder);

// The best of them, if there is any.
std::optional<std::string> chooseSoundFont(const std::string& songFolder);

} // namespace player
