#pragma once
#include "FaceTable.h"
#include "SkinButton.h"

#include <array>
#include <cstddef>

namespace player {

// One record per face, indexed by Face; each starts unpressed, without a handle, with its
// face's active rectangle.
using SkinButtons = std::array<SkinButton, kFaceCount>;

inline SkinButtons makeSkinButtons() {
    SkinButtons buttons{};
    for (int face = 0; face < kFaceCount; ++face)
        buttons[static_cast<size_t>(face)].HitRect = faceSpec(face).hit;
    return buttons;
}

} // namespace player
