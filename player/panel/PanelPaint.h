#pragma once
// Painting the panel at start-up and showing the device state on the transport faces.
#include "FacePainter.h"
#include "SkinButtons.h"
#include "state/PlayerState.h"

namespace player {

// The background, then every face in its normal look; records each face's Handle.
void PaintPanel(FacePainter& painter, SkinButtons& buttons);

// Play, Stop and Pause lit from IsPlaying, IsStopped and IsPaused, else normal.
void RefreshTransportFaces(const PlayerState& state, FacePainter& painter);

// The normal image, except Pause while paused, which rests lit.
FaceImage restingImage(int face, const PlayerState& state);

} // namespace player
