#include "PanelLayout.h"

#include <array>

namespace skin {
namespace {

// The face table in twips: place, size and HitRect (left, right, top, bottom).
struct FaceTwips {
    int left, top, width, height;
    float hitLeft, hitRight, hitTop, hitBottom;
};

constexpr std::array<FaceTwips, kSkinFaceCount> kFaceTwips = {{
    {260, 230, 1080, 780, 200, 880, 200, 580},  // PicPower
    {380, 2265, 840, 405, 140, 700, 105, 300},  // PicAuto
    {2420, 1795, 660, 450, 180, 500, 150, 300}, // PicPlay
    {3100, 1795, 660, 450, 160, 500, 150, 300}, // PicStop
    {3780, 1795, 675, 450, 175, 500, 150, 300}, // PicPaus
    {4470, 1795, 660, 450, 160, 500, 150, 300}, // PicPrev
    {5160, 1795, 645, 450, 145, 500, 150, 300}, // PicNext
    {7200, 1815, 855, 420, 155, 700, 40, 300},  // PicOpen
    {7410, 630, 465, 405, 80, 260, 120, 320},   // PicList
    {7410, 1100, 465, 405, 80, 260, 50, 250},   // PicAbou
    {2200, 630, 465, 405, 180, 380, 100, 340},  // PicTrUp
    {2210, 1100, 465, 405, 180, 380, 40, 280},  // PicTrDn
}};
constexpr FaceTwips kFontTwips{7200, 2395, 525, 285, 125, 400, 85, 200};

// Keys, in face pixels. The transport keys stand at an even 45.5 px pitch, the small keys
// on both sides of the display line up in two rows, whatever the faces' own offsets.
constexpr std::array<QRectF, kSkinFaceCount> kKeys = {{
    {12, 12, 48, 28},       // PicPower
    {8, 5.5, 40, 16},       // PicAuto
    {7.5, 7, 30, 16},       // PicPlay
    {8, 7, 30, 16},         // PicStop
    {7.5, 7, 30, 16},       // PicPaus
    {7, 7, 30, 16},         // PicPrev
    {6.5, 7, 30, 16},       // PicNext
    {8.5, 2.25, 40, 18.75}, // PicOpen
    {2.5, 6, 18, 17},       // PicList
    {2.5, 2.25, 18, 17},    // PicAbou
    {10.5, 6, 18, 17},      // PicTrUp
    {9.5, 2.25, 18, 17},    // PicTrDn
}};
constexpr QRectF kFontKey{4, 3, 27, 13};

const QColor kLitBlue{90, 214, 255};

QColor accentOf(SkinFace face) {
    switch (face) {
    case SkinFace::PicPower:
    case SkinFace::PicStop:
        return {255, 70, 60};
    case SkinFace::PicPlay:
        return {70, 255, 120};
    case SkinFace::PicPaus:
        return {255, 180, 40};
    default:
        return kLitBlue;
    }
}

FaceLayout fromTwips(const FaceTwips& t, int left, const QRectF& key, const QColor& accent) {
    const float px = kTwipsPerPixel;
    return {
        QPoint(left / kTwipsPerPixel, t.top / kTwipsPerPixel),
        QSize(t.width / kTwipsPerPixel, t.height / kTwipsPerPixel),
        QRectF(QPointF(t.hitLeft / px, t.hitTop / px), QPointF(t.hitRight / px, t.hitBottom / px)),
        key, accent};
}

} // namespace

FaceLayout faceLayout(SkinFace face) {
    const auto i = static_cast<std::size_t>(face);
    return fromTwips(kFaceTwips.at(i), kFaceTwips.at(i).left, kKeys.at(i), accentOf(face));
}

FaceLayout fontFaceLayout(int index) {
    return fromTwips(kFontTwips, kFontTwips.left - 540 * index, kFontKey, kLitBlue);
}

QRect lampRect(int index) {
    return {(380 + 280 * index) / kTwipsPerPixel, 2040 / kTwipsPerPixel, kLampSize.width(),
            kLampSize.height()};
}

} // namespace skin
