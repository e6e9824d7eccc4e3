#pragma once
// The per-user folder that lives as long as the login session:
// $XDG_RUNTIME_DIR/melodeck/, or /tmp/melodeck-<uid>/ where that variable is unset.
#include <optional>
#include <string>
#include <sys/types.h>

namespace platform {

// Where the runtime folder may be. The environment's by default; tests give their own.
struct RuntimePlaces {
    std::string xdgRuntimeDir; // empty when XDG_RUNTIME_DIR is unset
    std::string tmp = "/tmp";
    std::string cacheHome; // empty when XDG_CACHE_HOME is unset or not absolute
    std::string home;
    uid_t uid = 0;
};

RuntimePlaces environmentRuntimePlaces();

// A folder is taken only when, after a mkdir with mode 0700, it is a real folder (not a
// symbolic link) owned by uid with mode 0700: anything else may be another user's, who
// could then plant sockets, locks or fonts for us. $XDG_RUNTIME_DIR/melodeck is the only
// candidate when that variable is set (the session's own folder, no fallback). Otherwise
// /tmp/melodeck-<uid> is tried first, and where it is refused
// $XDG_CACHE_HOME/melodeck/runtime, else ~/.cache/melodeck/runtime.
struct RuntimeDirChoice {
    std::optional<std::string> dir;
    std::string refusals; // each candidate refused and why, "; " between them
};
RuntimeDirChoice chooseRuntimeDir(const RuntimePlaces& places);

// The chosen folder of the environment's places, created when missing; no value when none
// can be had. Every call looks again, so a folder taken meanwhile is noticed.
std::optional<std::string> runtimeDir();

// The one text to show the user when the choice has no folder, ending with a full stop:
// "No private folder for melodeck's session files: /tmp/melodeck-1000 is a symbolic link; …".
std::string noRuntimeDirText(const RuntimeDirChoice& choice);

// That text for the environment's places when runtimeDir() has no value; no value when
// there is a folder.
std::optional<std::string> runtimeDirProblem();

} // namespace platform
