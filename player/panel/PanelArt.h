#pragma once
// The pictures the panel is painted with: its background and, for every face, the normal,
// pressed and hover images (the hover image is also the lit look of the transport).
#include "FacePainter.h"
#include "FaceTable.h"

#include <QPixmap>
#include <array>

namespace player {

struct PanelArt {
    QPixmap background; // ImgMain, the size of the panel
    // Indexed by Face, then by FaceImage. The font faces share one set.
    std::array<std::array<QPixmap, 3>, kFaceCount> faces;

    const QPixmap& image(int face, FaceImage look) const {
        return faces[static_cast<size_t>(face)][static_cast<size_t>(look)];
    }
};

} // namespace player
