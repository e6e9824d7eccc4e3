#pragma once
// The fixed files in the current folder through which the player, the extractor and the
// transposer hand a song to each other.
#include <array>

namespace player {

// The previous song's files, deleted before each new song; "Error2.msg" of the transposer
// is not among them.
inline constexpr std::array<const char*, 8> kSongWorkingFiles{
    "Error1.msg", "Input.sng", "Input.bin",  "Input.dat",
    "Input.str",  "Input.tit", "Input0.dat", "Input0.str"};

// Deletes each file that exists; one that cannot be deleted is passed over.
template <typename Names> void deleteWorkingFiles(const Names& names);

} // namespace player

#include <cstdio>

template <typename Names> void player::deleteWorkingFiles(const Names& names) {
    for (const char* name : names)
        std::remove(name);
}
