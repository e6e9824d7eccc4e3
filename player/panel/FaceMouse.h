#pragma once
// How a face of the panel answers the mouse: hover through the capture, the pressed look,
// a release that acts only inside the active rectangle, and the guards that keep the
// transport and the song steps still when they have nothing to do. Positions are the
// face's own twips; the button set is 1 left, 2 right, 4 middle, added together.
#include "FaceActions.h"
#include "FacePainter.h"
#include "MouseCapture.h"
#include "SkinButtons.h"
#include "state/PlayerState.h"

#include <cstdint>

namespace player {

class FaceMouse {
public:
    FaceMouse(const PlayerState& state, SkinButtons& buttons, MouseCapture& capture,
              FacePainter& painter, FaceActions& actions);

    void MouseDown(int face, int16_t Button, float X, float Y);
    void MouseMove(int face, int16_t Button, float X, float Y);
    void MouseUp(int face, int16_t Button, float X, float Y);

    static constexpr int16_t kLeft = 1;
    static constexpr int16_t kRight = 2;
    static constexpr int16_t kMiddle = 4;

private:
    bool downGuardStops(int face);
    bool moveGuardStops(int face);
    void act(int face);
    SkinButton& button(int face) { return buttons_[static_cast<size_t>(face)]; }

    const PlayerState& state_;
    SkinButtons& buttons_;
    MouseCapture& capture_;
    FacePainter& painter_;
    FaceActions& actions_;
};

} // namespace player
