#pragma once
// The working folder: <runtime folder>/work/, private to the user (mode 0700), where the
// deliverables hand a song to each other through the working files. The song folder is
// only read, so a player installed read-only, or one singing from a read-only share,
// still has somewhere to write; the runtime folder goes at logout, and with it anything
// left behind.
#include <optional>
#include <string>

namespace platform {

// The folder, created when missing; no value when there is no runtime folder or the
// folder of that name is not a private folder of this user's.
std::optional<std::string> workFolder();

// Removes what is in the folder (files and links, never followed), as a player that was
// killed may have left it.
void clearFolder(const std::string& folder);

} // namespace platform
