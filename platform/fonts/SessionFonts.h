#pragma once
// The player's side of the session fonts.

namespace platform {

// Adds the fonts the launcher installed for this login session to the program's font set.
// Call it before the first window (before the QApplication, so Qt's font database is
// filled from the set with them). Returns false when there are none to add: the launcher
// did not run in this session, or the folder's fonts.conf cannot be read.
bool addSessionFonts();

} // namespace platform
