#include "SkinArt.h"

#include <Skin.h>

namespace player {
namespace {

skin::SkinLook skinLook(FaceImage look) {
    switch (look) {
    case FaceImage::Pressed:
        return skin::SkinLook::Pressed;
    case FaceImage::Hover:
        return skin::SkinLook::Hover;
    case FaceImage::Normal:
        break;
    }
    return skin::SkinLook::Normal;
}

} // namespace

PanelArt skinPanelArt() {
    PanelArt art;
    art.background = QPixmap(skin::skinPicturePath(skin::SkinPicture::ImgMain));
    for (int face = 0; face < kFaceCount; ++face) {
        for (FaceImage look : {FaceImage::Normal, FaceImage::Pressed, FaceImage::Hover}) {
            // The skin numbers its single faces as the panel does.
            const QString path =
                isFontFace(face)
                    ? skin::skinFontImagePath(fontIndex(face), skinLook(look))
                    : skin::skinImagePath(static_cast<skin::SkinFace>(face), skinLook(look));
            art.faces[static_cast<size_t>(face)][static_cast<size_t>(look)] = QPixmap(path);
        }
    }
    return art;
}

} // namespace player
