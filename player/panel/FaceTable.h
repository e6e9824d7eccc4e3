#pragma once
// The faces of the main panel: twelve single faces and ten font faces, with their places,
// sizes and active rectangles in twips.
#include "HitRect.h"

#include <array>

namespace player {

enum Face : int {
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
    PicTrDn,
    PicFont0, // PicFont(i) is PicFont0 + i, i = 0..9
};

inline constexpr int kFontFaces = 10;
inline constexpr int kFaceCount = PicFont0 + kFontFaces;

inline constexpr Face PicFont(int index) {
    return static_cast<Face>(PicFont0 + index);
}
inline constexpr bool isFontFace(int face) {
    return face >= PicFont0 && face < kFaceCount;
}
inline constexpr int fontIndex(int face) {
    return face - PicFont0;
}

struct FaceSpec {
    const char* name;
    int left; // on the panel
    int top;
    int width;
    int height;
    HitRect hit;         // in the face's own twips
    const char* tooltip; // nullptr: none
};

const FaceSpec& faceSpec(int face);

// The order PaintPanel paints the faces in.
extern const std::array<Face, kFaceCount> kPaintOrder;

} // namespace player
