#pragma once
// The per-user folder that lives as long as the login session:
// $XDG_RUNTIME_DIR/melodeck/, or /tmp/melodeck-<uid>/ where that variable is unset.
#include <optional>
#include <string>

namespace platform {

// Creates the folder with mode 0700 when it is missing. Returns no value when it cannot be
// created, or when a folder of that name is not a folder owned by this user (so another
// user cannot plant sockets or fonts for us).
std::optional<std::string> runtimeDir();

} // namespace platform
