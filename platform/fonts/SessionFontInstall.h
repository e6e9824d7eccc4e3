#pragma once
// The launcher's side of the session fonts.
#include <string>

namespace platform {

// Installs a font file until the user logs off: links it into the session font folder
// under its own name (replacing a link of that name) and keeps the folder's fonts.conf.
// Returns the number of faces added: the file's face count, or 0 when it is missing, is
// not a font, or cannot be linked in.
int installSessionFont(const std::string& file);

// Tells fontconfig that the session font folder changed: its cache of the folder is
// rebuilt, so the next program that adds the folder finds the fonts as they are now.
void rescanSessionFonts();

} // namespace platform
