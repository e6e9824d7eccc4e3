#pragma once
// The panel's pictures, embedded in the program as Qt resources. Every picture has the
// pixel size of the control it serves at 96 dots per inch (its twips divided by 15).
#include <QString>

namespace skin {

// The single faces of the panel, in the order the panel paints them.
enum class SkinFace {
    PicPower,
    PicAuto,
    PicPlay,
    PicStop,
    PicPaus,
    PicPrev,
    PicNext,
    PicOpen,
    PicList,
    PicAbou,
    PicTrUp,
    PicTrDn
};
inline constexpr int kSkinFaceCount = 12;

// The ten font faces PicFont(0) to PicFont(9); index 0 is the rightmost.
inline constexpr int kSkinFontFaceCount = 10;

// For PicPlay, PicStop and PicPaus the hover picture is also the lit picture that shows
// the device state.
enum class SkinLook { Normal, Pressed, Hover };

enum class SkinPicture {
    ImgMain,      // the panel background, 604 x 196
    ImgLedS,      // auto-play lamp lit, 18 x 9
    ImgLedN,      // auto-play lamp unlit, 18 x 9
    AboutPicture, // the about box's large picture, 268 x 268
    AboutLogo,    // the about box's logo, 162 x 35
};

// Resource paths (":/skin/..."), ready for QImage or QPixmap.
QString skinImagePath(SkinFace face, SkinLook look);
// Each font face has its own pictures, captioned with its font; index 0..9.
QString skinFontImagePath(int index, SkinLook look);
QString skinPicturePath(SkinPicture picture);

} // namespace skin
