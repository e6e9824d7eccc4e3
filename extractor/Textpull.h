#pragma once
// The extractor program: reads the handle of the player's receiving window from its
// command line, extracts the lyric of "Input.sng" in the current folder and posts the
// completion message (key-up, key code 58, context bit set on failure) to that window.
#include <string_view>

namespace textpull {

// Returns the exit code: 0 on success, 1 on failure.
int RunTextpull(std::string_view commandTail);

} // namespace textpull
