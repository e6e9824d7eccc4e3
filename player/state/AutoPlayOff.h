#pragma once
#include "AutoPlayLamps.h"
#include "PlayerState.h"

namespace player {

// Auto-play mode 0 with all three lamps unlit; shows no status text.
inline void AutoPlayOff(PlayerState& state, AutoPlayLamps& lamps) {
    state.AutoMode = 0;
    for (int i = 0; i < 3; ++i)
        lamps.setLampLit(i, false);
}

} // namespace player
