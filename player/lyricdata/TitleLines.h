#pragma once
// The song's title lines from "Input.tit": the file begins with an empty line, then one
// title per line. Equal neighbours are shown once.
#include "state/TextFileTable.h"

#include <array>
#include <optional>
#include <string>

namespace player {

// For each title label 0 to 2, the caption to give it (decoded, spaces trimmed), or no
// value when it keeps its caption: a line equal to the one before, or no line left. The
// label index counts lines read, not lines shown. A missing file gives no titles.
std::array<std::optional<std::string>, 3> readTitleLines(TextFileTable& files,
                                                         const std::string& path);

} // namespace player
