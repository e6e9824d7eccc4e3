#pragma once
#include "HitRect.h"
#include "state/Flag.h"

#include <cstdint>

namespace player {

// What one face of the panel remembers between mouse events.
struct SkinButton {
    // A press began inside HitRect and its release has not been handled yet.
    Flag16 Pressed = False;
    // The visible face's handle, set by PaintPanel; the mouse capture is taken with it.
    // 0 until then.
    int32_t Handle = 0;
    player::HitRect HitRect;
};

} // namespace player
