#pragma once
// What the demo lyric fonts must be: the launcher's font table in its order, with the
// family each file stands for and whether it is the bold face of it.
#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace lyricfonts {

struct LyricFont {
    const char* file;
    const char* family;
    bool bold;
};

inline constexpr std::array<LyricFont, 14> table{{
    {"Vswisec.ttf", "VNI-Swiss-Condense", false},
    {"Vswiconn.ttf", "VNswitzerlandCondensed", false},
    {"Vswiconb.ttf", "VNswitzerlandCondensed", true},
    {"Vswicobn.ttf", "VNswitzerlandCondBlack", true},
    {"Vrevue.ttf", "VNI-Revue", false},
    {"Vntime.ttf", ".VnTime", false},
    {"Vntimeb.ttf", ".VnTime", true},
    {"Vnhelvs.ttf", ".VnHelvetIns", false},
    {"Vnexotic.ttf", ".VnExotic", false},
    {"Vnarianb.ttf", ".VnArial Narrow", true},
    {"Vnarialb.ttf", ".VnArial", true},
    {"Vcompacn.ttf", "VNcompact", false},
    {"Vcompacb.ttf", "VNcompact", true},
    {"Sncencol.ttf", "SVNnew Century cond", false},
}};

// The ten names the player's font faces choose, by face index.
inline constexpr std::array<const char*, 10> lyricFamilies{
    ".VnArial Narrow",        ".VnTime",   ".VnExotic",
    ".VnHelvetIns",           "VNcompact", "VNswitzerlandCondensed",
    "VNswitzerlandCondBlack", "VNI-Revue", "VNI-Swiss-Condense",
    "SVNnew Century cond"};

inline std::filesystem::path appDir() {
    const char* dir = std::getenv("MELODECK_APP_DIR");
    return dir ? dir : "";
}

} // namespace lyricfonts
