#include "PanelPaint.h"

namespace player {

void PaintPanel(FacePainter& painter, SkinButtons& buttons) {
    painter.paintBackground();
    for (Face face : kPaintOrder) {
        painter.paintFace(face, FaceImage::Normal);
        buttons[static_cast<size_t>(face)].Handle = painter.faceHandle(face);
    }
}

void RefreshTransportFaces(const PlayerState& state, FacePainter& painter) {
    const auto look = [](Flag16 lit) { return lit ? FaceImage::Hover : FaceImage::Normal; };
    painter.paintFace(PicPlay, look(state.IsPlaying));
    painter.paintFace(PicStop, look(state.IsStopped));
    painter.paintFace(PicPaus, look(state.IsPaused));
}

FaceImage restingImage(int face, const PlayerState& state) {
    return face == PicPaus && state.IsPaused ? FaceImage::Hover : FaceImage::Normal;
}

} // namespace player
