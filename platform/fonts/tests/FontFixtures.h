#pragma once
// The font files made for the tests: a one-face font and a two-face collection.
#include <filesystem>

namespace fontfixtures {

inline std::filesystem::path folder() {
    return MELODECK_FONT_FIXTURES;
}
inline std::filesystem::path oneFace() {
    return folder() / "Probe.ttf";
}
inline std::filesystem::path twoFaces() {
    return folder() / "Pair.ttc";
}
inline constexpr const char* oneFaceFamily = "Melodeck Probe";

} // namespace fontfixtures
