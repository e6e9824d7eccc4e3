#pragma once
#include <string>

namespace platform {

// The number of font faces the file holds, as FreeType reads it: 1 for a plain font file,
// more for a collection, 0 when the file is missing or is not a font.
int fontFaceCount(const std::string& file);

} // namespace platform
