// The embedded pictures as the panel will use them: found under their resource paths, of
// the sizes the panel's layout gives, seamless where a face sits on the background, and
// with looks a user can tell apart.
#include "Skin.h"

#include <QColor>
#include <QImage>
#include <QPolygon>
#include <QRegion>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using skin::SkinFace;
using skin::SkinLook;
using skin::SkinPicture;

namespace {

// The panel's faces as the layout places them, in twips.
struct FacePlace {
    const char* name;
    QString (*path)(SkinLook);
    int left, top, width, height;
    int hitLeft, hitRight, hitTop, hitBottom;
};

template <SkinFace F> QString facePath(SkinLook look) {
    return skin::skinImagePath(F, look);
}
template <int I> QString fontPath(SkinLook look) {
    return skin::skinFontImagePath(I, look);
}

const std::vector<FacePlace>& faces() {
    static const std::vector<FacePlace> table = {
        {"PicPower", facePath<SkinFace::PicPower>, 260, 230, 1080, 780, 200, 880, 200, 580},
        {"PicTrUp", facePath<SkinFace::PicTrUp>, 2200, 630, 465, 405, 180, 380, 100, 340},
        {"PicTrDn", facePath<SkinFace::PicTrDn>, 2210, 1100, 465, 405, 180, 380, 40, 280},
        {"PicList", facePath<SkinFace::PicList>, 7410, 630, 465, 405, 80, 260, 120, 320},
        {"PicAbou", facePath<SkinFace::PicAbou>, 7410, 1100, 465, 405, 80, 260, 50, 250},
        {"PicPlay", facePath<SkinFace::PicPlay>, 2420, 1795, 660, 450, 180, 500, 150, 300},
        {"PicStop", facePath<SkinFace::PicStop>, 3100, 1795, 660, 450, 160, 500, 150, 300},
        {"PicPaus", facePath<SkinFace::PicPaus>, 3780, 1795, 675, 450, 175, 500, 150, 300},
        {"PicPrev", facePath<SkinFace::PicPrev>, 4470, 1795, 660, 450, 160, 500, 150, 300},
        {"PicNext", facePath<SkinFace::PicNext>, 5160, 1795, 645, 450, 145, 500, 150, 300},
        {"PicOpen", facePath<SkinFace::PicOpen>, 7200, 1815, 855, 420, 155, 700, 40, 300},
        {"PicAuto", facePath<SkinFace::PicAuto>, 380, 2265, 840, 405, 140, 700, 105, 300},
        {"PicFont0", fontPath<0>, 7200, 2395, 525, 285, 125, 400, 85, 200},
        {"PicFont1", fontPath<1>, 6660, 2395, 525, 285, 125, 400, 85, 200},
        {"PicFont2", fontPath<2>, 6120, 2395, 525, 285, 125, 400, 85, 200},
        {"PicFont3", fontPath<3>, 5580, 2395, 525, 285, 125, 400, 85, 200},
        {"PicFont4", fontPath<4>, 5040, 2395, 525, 285, 125, 400, 85, 200},
        {"PicFont5", fontPath<5>, 4500, 2395, 525, 285, 125, 400, 85, 200},
        {"PicFont6", fontPath<6>, 3960, 2395, 525, 285, 125, 400, 85, 200},
        {"PicFont7", fontPath<7>, 3420, 2395, 525, 285, 125, 400, 85, 200},
        {"PicFont8", fontPath<8>, 2880, 2395, 525, 285, 125, 400, 85, 200},
        {"PicFont9", fontPath<9>, 2340, 2395, 525, 285, 125, 400, 85, 200},
    };
    return table;
}

constexpr int kTwips = 15;

QRect pixels(const FacePlace& f) {
    return {f.left / kTwips, f.top / kTwips, f.width / kTwips, f.height / kTwips};
}

QRect hitPixels(const FacePlace& f) {
    return QRect(QPoint(f.hitLeft / kTwips, f.hitTop / kTwips),
                 QPoint(f.hitRight / kTwips, f.hitBottom / kTwips));
}

QImage load(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

int channelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

double meanDistance(const QImage& a, const QImage& b, const QRect& area) {
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += channelDistance(a.pixel(x, y), b.pixel(x, y));
    return sum / (area.width() * area.height());
}

// Pixels a user reads as lit: bright and strongly coloured.
int litPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = QColor::fromRgb(image.pixel(x, y));
            if (c.hsvSaturationF() > 0.4 && c.valueF() > 0.5)
                ++count;
        }
    return count;
}

const SkinLook kLooks[] = {SkinLook::Normal, SkinLook::Pressed, SkinLook::Hover};

std::string lookName(SkinLook look) {
    return look == SkinLook::Normal ? "normal" : look == SkinLook::Pressed ? "pressed" : "hover";
}

TEST(SkinPictures, EveryFaceLookIsEmbeddedAtItsFaceSize) {
    for (const FacePlace& f : faces())
        for (const SkinLook look : kLooks) {
            const QImage image = load(f.path(look));
            ASSERT_FALSE(image.isNull()) << f.name << " " << lookName(look);
            EXPECT_EQ(image.size(), pixels(f).size()) << f.name << " " << lookName(look);
        }
}

TEST(SkinPictures, PicturesAreEmbeddedAtTheirControlSizes) {
    struct Row {
        const char* name;
        SkinPicture picture;
        int width, height; // twips
    };
    const Row rows[] = {
        {"ImgMain", SkinPicture::ImgMain, 9060, 2940},
        {"ImgLedS", SkinPicture::ImgLedS, 270, 135},
        {"ImgLedN", SkinPicture::ImgLedN, 270, 135},
        {"AboutPicture", SkinPicture::AboutPicture, 4020, 4020},
        {"AboutLogo", SkinPicture::AboutLogo, 2430, 525},
    };
    for (const Row& row : rows) {
        const QImage image = load(skin::skinPicturePath(row.picture));
        ASSERT_FALSE(image.isNull()) << row.name;
        EXPECT_EQ(image.size(), QSize(row.width / kTwips, row.height / kTwips)) << row.name;
    }
}

// A face's picture replaces the background under it; its edge must match the background
// there, also when the panel rounds the face's place a pixel the other way.
TEST(SkinPictures, FaceEdgesMatchTheBackgroundWithinAPixelOfTheirPlace) {
    const QImage panel = load(skin::skinPicturePath(SkinPicture::ImgMain));
    ASSERT_FALSE(panel.isNull());
    for (const FacePlace& f : faces())
        for (const SkinLook look : kLooks) {
            const QImage image = load(f.path(look));
            ASSERT_FALSE(image.isNull());
            const QRect place = pixels(f);
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    int worst = 0;
                    for (int y = 0; y < image.height(); ++y)
                        for (int x = 0; x < image.width(); ++x) {
                            const bool edge = x == 0 || y == 0 || x == image.width() - 1 ||
                                              y == image.height() - 1;
                            if (!edge)
                                continue;
                            const QPoint on(place.left() + x + dx, place.top() + y + dy);
                            worst = std::max(worst,
                                             channelDistance(image.pixel(x, y), panel.pixel(on)));
                        }
                    const int allowed = dx == 0 && dy == 0 ? 0 : 10;
                    EXPECT_LE(worst, allowed)
                        << f.name << " " << lookName(look) << " shifted by " << dx << "," << dy;
                }
        }
}

TEST(SkinPictures, HoverAndPressedLooksStandOutFromNormalOverTheActiveRectangle) {
    for (const FacePlace& f : faces()) {
        const QImage normal = load(f.path(SkinLook::Normal));
        const QImage pressed = load(f.path(SkinLook::Pressed));
        const QImage hover = load(f.path(SkinLook::Hover));
        const QRect hit = hitPixels(f);
        EXPECT_GT(meanDistance(normal, hover, hit), 12.0) << f.name;
        EXPECT_GT(meanDistance(normal, pressed, hit), 12.0) << f.name;
        EXPECT_GT(meanDistance(pressed, hover, hit), 12.0) << f.name;
    }
}

// Play, Stop and Pause show the device state with their hover picture.
TEST(SkinPictures, TransportLitLookIsPlainlyLit) {
    for (const SkinFace face : {SkinFace::PicPlay, SkinFace::PicStop, SkinFace::PicPaus}) {
        const int normal = litPixels(load(skin::skinImagePath(face, SkinLook::Normal)));
        const int lit = litPixels(load(skin::skinImagePath(face, SkinLook::Hover)));
        EXPECT_LE(normal, 2) << static_cast<int>(face);
        EXPECT_GE(lit, 40) << static_cast<int>(face);
    }
}

TEST(SkinPictures, LitLampIsPlainlyBrighterThanUnlit) {
    const QImage lit = load(skin::skinPicturePath(SkinPicture::ImgLedS));
    const QImage unlit = load(skin::skinPicturePath(SkinPicture::ImgLedN));
    ASSERT_EQ(lit.size(), unlit.size());
    EXPECT_GE(litPixels(lit), 20);
    EXPECT_EQ(litPixels(unlit), 0);
}

// Cut to the panel's outline, the background shows no see-through pixel.
TEST(SkinPictures, BackgroundIsOpaqueEverywhereInsideTheOutline) {
    const QImage panel = load(skin::skinPicturePath(SkinPicture::ImgMain));
    ASSERT_FALSE(panel.isNull());
    const QPolygon outline({{8, 0},
                            {595, 0},
                            {599, 2},
                            {602, 5},
                            {603, 9},
                            {603, 186},
                            {601, 190},
                            {598, 193},
                            {594, 195},
                            {10, 195},
                            {6, 193},
                            {3, 190},
                            {0, 185},
                            {0, 9},
                            {2, 5},
                            {5, 2}});
    const QRegion shape(outline, Qt::WindingFill);
    int holes = 0;
    for (int y = 0; y < panel.height(); ++y)
        for (int x = 0; x < panel.width(); ++x) {
            // The outermost pixels of the shape may be partly covered by the smooth rim.
            const bool deepInside =
                shape.contains(QPoint(x, y)) && shape.contains(QPoint(x - 1, y - 1)) &&
                shape.contains(QPoint(x + 1, y + 1)) && shape.contains(QPoint(x - 1, y + 1)) &&
                shape.contains(QPoint(x + 1, y - 1));
            if (deepInside && qAlpha(panel.pixel(x, y)) != 255)
                ++holes;
        }
    EXPECT_EQ(holes, 0);
}

} // namespace
