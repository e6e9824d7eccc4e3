#include "FaceTable.h"

#include <string>

namespace player {
namespace {

constexpr const char* kTransposeTip = " Transpose Up/Down ";

const std::array<FaceSpec, kFaceCount>& table() {
    static const std::array<FaceSpec, kFaceCount> faces = [] {
        std::array<FaceSpec, kFaceCount> t{};
        t[PicPower] = {"PicPower", 260, 230, 1080, 780, {200, 880, 200, 580}, " Power OFF "};
        t[PicAuto] = {
            "PicAuto", 380, 2265, 840, 405, {140, 700, 105, 300}, " Switch Auto Play Mode "};
        t[PicPlay] = {"PicPlay", 2420, 1795, 660, 450, {180, 500, 150, 300}, nullptr};
        t[PicStop] = {"PicStop", 3100, 1795, 660, 450, {160, 500, 150, 300}, nullptr};
        t[PicPaus] = {"PicPaus", 3780, 1795, 675, 450, {175, 500, 150, 300}, nullptr};
        t[PicPrev] = {"PicPrev", 4470, 1795, 660, 450, {160, 500, 150, 300}, nullptr};
        t[PicNext] = {"PicNext", 5160, 1795, 645, 450, {145, 500, 150, 300}, nullptr};
        t[PicOpen] = {
            "PicOpen", 7200, 1815, 855, 420, {155, 700, 40, 300}, " Open .kar, .mid songs "};
        t[PicList] = {"PicList", 7410, 630, 465, 405, {80, 260, 120, 320}, " Song List "};
        t[PicAbou] = {"PicAbou", 7410, 1100, 465, 405, {80, 260, 50, 250}, " About Box "};
        t[PicTrUp] = {"PicTrUp", 2200, 630, 465, 405, {180, 380, 100, 340}, kTransposeTip};
        t[PicTrDn] = {"PicTrDn", 2210, 1100, 465, 405, {180, 380, 40, 280}, kTransposeTip};
        static const std::array<std::string, kFontFaces> fontNames = [] {
            std::array<std::string, kFontFaces> names;
            for (int i = 0; i < kFontFaces; ++i)
                names[static_cast<size_t>(i)] = "PicFont(" + std::to_string(i) + ")";
            return names;
        }();
        // Index 0 is the rightmost font face.
        for (int i = 0; i < kFontFaces; ++i)
            t[PicFont(i)] = {fontNames[static_cast<size_t>(i)].c_str(),
                             7200 - 540 * i,
                             2395,
                             525,
                             285,
                             {125, 400, 85, 200},
                             " Switch Font "};
        return t;
    }();
    return faces;
}

} // namespace

const FaceSpec& faceSpec(int face) {
    return table().at(static_cast<size_t>(face));
}

const std::array<Face, kFaceCount> kPaintOrder = {
    PicPower,   PicAuto,    PicPlay,    PicStop,    PicPaus,    PicPrev,    PicNext,    PicFont(0),
    PicFont(1), PicFont(2), PicFont(3), PicFont(4), PicFont(5), PicFont(6), PicFont(7), PicFont(8),
    PicFont(9), PicOpen,    PicList,    PicAbou,    PicTrUp,    PicTrDn};

} // namespace player
