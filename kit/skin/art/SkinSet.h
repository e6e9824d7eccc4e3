#pragma once
// Every picture of the skin, drawn in one go so the faces and lamps are cut from the very
// panel they sit on.
#include "../Skin.h"
#include "SkinFonts.h"

#include <QImage>
#include <QString>
#include <array>
#include <utility>
#include <vector>

namespace skin {

using FaceLooks = std::array<QImage, 3>; // indexed by SkinLook

struct SkinSet {
    QImage panel; // ImgMain: the body with every face in its normal look and unlit lamps
    std::array<FaceLooks, kSkinFaceCount> faces;
    std::array<FaceLooks, kSkinFontFaceCount> fontFaces;
    QImage lampLit;
    QImage lampUnlit;
    QImage aboutPicture;
    QImage aboutLogo;

    const QImage& face(SkinFace f, SkinLook look) const;
    const QImage& fontFace(int index, SkinLook look) const;
};

SkinSet renderSkin(const SkinFonts& fonts);

// The pictures under their file names (SkinFiles.h).
std::vector<std::pair<QString, QImage>> skinFiles(const SkinSet& set);

inline constexpr std::array<SkinLook, 3> kLooks = {SkinLook::Normal, SkinLook::Pressed,
                                                   SkinLook::Hover};

} // namespace skin
