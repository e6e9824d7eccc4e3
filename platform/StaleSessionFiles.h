#pragma once
// What programs that ended without tidying up left in the runtime folder.
#include <string>

namespace platform {

// Removes from the folder every message port socket "msg-<number>.sock" that nobody
// receives on any more (a connect is refused) and every "<program>.lock" file that no
// process holds a lock on. Live sockets and held locks stay, as does anything else. Meant
// for a program's start; a lock being taken meanwhile is safe, as InstanceLock checks that
// the file it locked is still the one of that name.
void removeStaleSessionFiles(const std::string& runtimeDir);

} // namespace platform
