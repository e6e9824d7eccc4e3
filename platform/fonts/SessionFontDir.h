#pragma once
// Where fonts installed for the login session live: fonts/ of the runtime folder, with a
// fonts.conf naming that folder for fontconfig. The runtime folder vanishes at logout, and
// the fonts with it; nothing is written into the user's permanent font folders.
#include <optional>
#include <string>

namespace platform {

// The session font folder, created (mode 0700) when missing; no value when there is no
// usable runtime folder or the name is taken by something that is not a folder.
std::optional<std::string> sessionFontDir();

// The fontconfig file of that folder.
std::string sessionFontConf(const std::string& fontDir);

} // namespace platform
