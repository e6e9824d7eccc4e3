#pragma once
// The player's booleans: signed integers of a stated width with True = -1 (all bits set)
// and False = 0. Code that combines flags bitwise relies on True being all ones, so a
// flag is only ever given one of these two values; tests read it as non-zero.
#include <cstdint>

namespace player {

using Flag16 = int16_t;
using Flag32 = int32_t;

inline constexpr int16_t True = -1;
inline constexpr int16_t False = 0;

template <typename FlagType> constexpr FlagType asFlag(bool value) {
    return value ? FlagType(-1) : FlagType(0);
}

} // namespace player
