#pragma once
#include <QString>
#include <optional>

namespace player {

// Copies the chosen song to "Input.sng" and "Input.bin" in the current folder, made afresh
// (mode 0600; a link or file planted under either name is replaced, never written
// through). The song must be a regular file; a link to it is followed. Returns the status
// text of a failure.
std::optional<QString> copySongToWorkingFiles(const QString& songPath);

} // namespace player
