#pragma once
#include <QString>
#include <cstdint>

namespace player {

inline constexpr const char* kTextpullProgram = "textpull";

// Starts the extractor on "Input.sng" of the current folder, looked up in the program's
// folder first, telling it the number its completion message must go to. It runs on its
// own; the player does not wait. False when it could not be started.
bool startTextpull(const QString& programFolder, int32_t receiver);

} // namespace player
