#pragma once
// The faces put on the panel window: the background, the 22 visible faces at their places,
// and the routing of the mouse to them. A face's mouse events reach FaceMouse in the face's
// own twips; while a face holds the capture, moves over any other part of the panel go to
// it instead, and the pointer leaving the panel counts as a move outside it.
#include "FaceBox.h"
#include "FaceMouse.h"
#include "PanelArt.h"

#include <QObject>
#include <array>

class QWidget;

namespace player {

class ImageBox;

class PanelFaces : public QObject, public FacePainter {
    Q_OBJECT
public:
    PanelFaces(QWidget& panel, PanelArt art, const PlayerState& state, FaceActions& actions);

    void PaintPanel();
    void RefreshTransportFaces();

    FaceBox* face(int face) const { return boxes_.at(static_cast<size_t>(face)); }
    ImageBox* background() const { return background_; }
    SkinButtons& buttons() { return buttons_; }
    MouseCapture& capture() { return capture_; }

    void paintBackground() override;
    void paintFace(int face, FaceImage image) override;
    int32_t faceHandle(int face) const override { return face + 1; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FaceBox* holder() const;
    // local: pixels in the face's own coordinates.
    void deliverMove(FaceBox* box, const QPointF& local, Qt::MouseButtons buttons);
    float twipsX(qreal pixels) const;
    float twipsY(qreal pixels) const;

    QWidget& panel_;
    PanelArt art_;
    const PlayerState& state_;
    SkinButtons buttons_ = makeSkinButtons();
    MouseCapture capture_;
    FaceMouse mouse_;
    ImageBox* background_ = nullptr;
    std::array<FaceBox*, kFaceCount> boxes_{};
};

} // namespace player
