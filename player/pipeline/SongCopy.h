#pragma once
#include <QString>
#include <optional>

namespace player {

// Copies the chosen song to "Input.sng" and "Input.bin" in the current folder, replacing
// them. Returns the status text of a failure.
std::optional<QString> copySongToWorkingFiles(const QString& songPath);

} // namespace player
