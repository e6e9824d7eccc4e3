#include "ContactSheet.h"

#include "../SkinFiles.h"
#include "PanelLayout.h"
#include "PanelPainter.h"

#include <QPainter>
#include <QPainterPath>

namespace skin {
namespace {

constexpr int kSheetWidth = 1300;
constexpr int kGap = 16;
const QColor kSheet(150, 156, 164);

// The player's labels over the display, as the panel shows them while a song plays.
void paintLabelStandIns(QPainter& p, const SkinFonts& fonts, const QString& status,
                        const QColor& statusColour, qreal progress) {
    p.setFont(fonts.serifFont(16, false));
    p.setPen(statusColour);
    p.drawText(kStatusLabel, Qt::AlignCenter, status);
    p.setPen(QColor(255, 255, 128));
    p.drawText(kTitleLabel, Qt::AlignCenter, QStringLiteral("Hat Mai Mot Cau Ca"));
    p.fillRect(QRectF(kProgressBar.left(), kProgressBar.top(), kProgressBar.width() * progress,
                      kProgressBar.height()),
               QColor(60, 160, 230));
}

QImage cut(const QImage& panel) {
    QImage shaped(panel.size(), QImage::Format_ARGB32_Premultiplied);
    shaped.fill(Qt::transparent);
    QPainter p(&shaped);
    QPainterPath outline;
    outline.addPolygon(QPolygonF(panelOutline()));
    p.setClipPath(outline);
    p.drawImage(0, 0, panel);
    return shaped;
}

QImage atRest(const SkinSet& set, const SkinFonts& fonts) {
    QImage panel = set.panel;
    QPainter p(&panel);
    paintLabelStandIns(p, fonts, QStringLiteral("Ze-Dazarav Uzadiz V208"), QColor(255, 32, 32),
                       0.0);
    p.end();
    return cut(panel);
}

// Playing, with auto-play on sequence, the pointer over Open and the Pause face held down.
QImage inUse(const SkinSet& set, const SkinFonts& fonts) {
    QImage panel = set.panel;
    QPainter p(&panel);
    auto put = [&](SkinFace face, SkinLook look) {
        p.drawImage(faceLayout(face).place, set.face(face, look));
    };
    put(SkinFace::PicPlay, SkinLook::Hover);
    put(SkinFace::PicPaus, SkinLook::Pressed);
    put(SkinFace::PicOpen, SkinLook::Hover);
    put(SkinFace::PicTrDn, SkinLook::Pressed);
    p.drawImage(fontFaceLayout(3).place, set.fontFace(3, SkinLook::Hover));
    p.drawImage(fontFaceLayout(6).place, set.fontFace(6, SkinLook::Pressed));
    p.drawImage(lampRect(1).topLeft(), set.lampLit);
    paintLabelStandIns(p, fonts, QStringLiteral("Auto Sequence Play ON"), QColor(0, 255, 255),
                       0.42);
    p.end();
    return cut(panel);
}

class SheetWriter {
public:
    SheetWriter(QPainter& painter, const SkinFonts& fonts) : p_(painter), fonts_(fonts) {}

    void heading(const QString& text) {
        newRow();
        p_.setPen(QColor(20, 22, 26));
        p_.setFont(fonts_.sansFont(15, true));
        p_.drawText(QPoint(kGap, y_ + 16), text);
        y_ += 26;
    }

    // Places a picture, zoomed without smoothing, with a caption under it.
    void put(const QImage& image, int zoom, const QString& caption) {
        const QSize size = image.size() * zoom;
        if (x_ + size.width() > kSheetWidth - kGap)
            newRow();
        p_.drawImage(QRect(QPoint(x_, y_), size), image);
        p_.setPen(QColor(20, 22, 26));
        p_.setFont(fonts_.sansFont(10, false));
        p_.drawText(QPoint(x_, y_ + size.height() + 12), caption);
        x_ += size.width() + kGap;
        rowHeight_ = qMax(rowHeight_, size.height() + 18);
    }

    void newRow() {
        if (rowHeight_ > 0)
            y_ += rowHeight_ + kGap / 2;
        x_ = kGap;
        rowHeight_ = 0;
    }

    int height() const { return y_ + rowHeight_ + kGap; }

private:
    QPainter& p_;
    const SkinFonts& fonts_;
    int x_ = kGap;
    int y_ = kGap;
    int rowHeight_ = 0;
};

void writeSheet(SheetWriter& w, const SkinSet& set, const SkinFonts& fonts) {
    const QImage rest = atRest(set, fonts);
    const QImage busy = inUse(set, fonts);
    w.heading(QStringLiteral("Panel at rest, cut to its outline (2x)"));
    w.put(rest, 2, QStringLiteral("ImgMain with the first status text"));
    w.heading(QStringLiteral("Panel in use (2x): playing, auto sequence, Open hovered, Pause "
                             "held, TrDn held, font 3 hovered, font 6 held"));
    w.put(busy, 2, QStringLiteral("composed from the face pictures"));
    w.heading(QStringLiteral("True size"));
    w.put(rest, 1, QStringLiteral("at rest"));
    w.put(busy, 1, QStringLiteral("in use"));
    w.heading(QStringLiteral("Faces: normal, pressed, hover / lit (3x)"));
    for (int i = 0; i < kSkinFaceCount; ++i) {
        const auto face = static_cast<SkinFace>(i);
        for (const SkinLook look : kLooks)
            w.put(set.face(face, look), 3, faceImageFile(face, look));
    }
    for (int i = 0; i < kSkinFontFaceCount; ++i) {
        for (const SkinLook look : kLooks)
            w.put(set.fontFace(i, look), 3, fontImageFile(i, look));
    }
    w.heading(QStringLiteral("Lamps (6x) and the about box"));
    w.put(set.lampUnlit, 6, pictureFile(SkinPicture::ImgLedN));
    w.put(set.lampLit, 6, pictureFile(SkinPicture::ImgLedS));
    w.put(set.aboutLogo, 2, pictureFile(SkinPicture::AboutLogo));
    w.put(set.aboutPicture, 1, pictureFile(SkinPicture::AboutPicture));
}

} // namespace

QImage contactSheet(const SkinSet& set, const SkinFonts& fonts) {
    // Lay out once to learn the height, then draw for real.
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter probePainter(&probe);
    SheetWriter measure(probePainter, fonts);
    writeSheet(measure, set, fonts);
    probePainter.end();

    QImage sheet(kSheetWidth, measure.height(), QImage::Format_RGB32);
    sheet.fill(kSheet);
    QPainter p(&sheet);
    SheetWriter writer(p, fonts);
    writeSheet(writer, set, fonts);
    return sheet;
}

} // namespace skin
