#pragma once
// A face's picture: its key in one look, drawn over the panel beneath the face so the
// picture's edges melt into the panel. The outer two pixels are left as the panel is, so a
// face placed a pixel off still shows no seam.
#include "../Skin.h"
#include "PanelLayout.h"

#include <QImage>
#include <QPainterPath>

namespace skin {

struct FaceArt {
    FaceLayout layout;
    QPainterPath content; // what the key shows, in face pixels
    bool lamp = false;    // a small state lamp above the key, lit in the hover look
};

QImage paintFace(const QImage& beneath, const FaceArt& art, SkinLook look);

inline constexpr int kFaceEdge = 2;

} // namespace skin
