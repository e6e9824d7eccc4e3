#include "PanelPainter.h"

#include "FaceContent.h"
#include "Metal.h"
#include "PanelLayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>

namespace skin {
namespace {

const QColor kPrint(150, 158, 168); // silkscreen captions

QPainterPath outlinePath() {
    QPainterPath path;
    path.addPolygon(QPolygonF(panelOutline()));
    path.closeSubpath();
    return path;
}

QPainterPath inset(const QPainterPath& path, qreal by) {
    QPainterPathStroker stroker;
    stroker.setWidth(2 * by);
    stroker.setJoinStyle(Qt::MiterJoin);
    return path.subtracted(stroker.createStroke(path));
}

QPainterPath rounded(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void paintBody(QPainter& p) {
    const QPainterPath outline = outlinePath();
    p.fillPath(outline, QColor(6, 7, 8));
    // A chrome rim, bright where the light falls on it.
    QLinearGradient rim(0, 0, 0, kPanelSize.height());
    rim.setColorAt(0, QColor(176, 182, 190));
    rim.setColorAt(0.15, QColor(110, 116, 124));
    rim.setColorAt(0.85, QColor(48, 51, 56));
    rim.setColorAt(1, QColor(28, 30, 33));
    p.fillPath(inset(outline, 1), rim);
    const QPainterPath face = inset(outline, 2.5);
    p.save();
    p.setClipPath(face);
    p.drawImage(0, 0, brushedMetal(kPanelSize, 1969));
    p.restore();
    // A dark hairline where the face meets the rim.
    p.setPen(QPen(QColor(0, 0, 0, 110), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(inset(outline, 3));
}

// A recess with smooth walls: the faces in it may land a pixel off without a seam.
void paintWell(QPainter& p, const QRectF& rect, qreal radius) {
    p.fillPath(rounded(rect.translated(0, 1), radius), QColor(255, 255, 255, 38));
    p.fillPath(rounded(rect, radius), QColor(8, 9, 11));
    const QRectF floor = rect.adjusted(1, 1, -1, -1);
    QLinearGradient fill(floor.topLeft(), floor.bottomLeft());
    fill.setColorAt(0, QColor(22, 24, 28));
    fill.setColorAt(1, QColor(34, 37, 42));
    p.fillPath(rounded(floor, radius - 1), fill);
    // The upper wall's shadow on the floor.
    QLinearGradient shade(floor.topLeft(), floor.topLeft() + QPointF(0, 4));
    shade.setColorAt(0, QColor(0, 0, 0, 110));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillPath(rounded(floor, radius - 1), shade);
}

void paintCaption(QPainter& p, const QString& text, const QFont& font, const QRectF& box,
                  const QColor& colour = kPrint) {
    const QPainterPath path = textOutline(text, font, box);
    p.fillPath(path.translated(0, 1), QColor(0, 0, 0, 120));
    p.fillPath(path, colour);
}

void paintDisplay(QPainter& p) {
    const QRectF outer(203, 38, 286, 70);
    p.fillPath(rounded(outer.translated(0, 1), 6), QColor(255, 255, 255, 45));
    p.fillPath(rounded(outer, 6), QColor(4, 5, 6));
    QLinearGradient bezel(outer.topLeft(), outer.bottomLeft());
    bezel.setColorAt(0, QColor(20, 22, 25));
    bezel.setColorAt(1, QColor(120, 126, 134));
    p.fillPath(rounded(outer.adjusted(1, 1, -1, -1), 5), bezel);
    const QRectF glass = outer.adjusted(3, 3, -3, -3);
    QLinearGradient deep(glass.topLeft(), glass.bottomLeft());
    deep.setColorAt(0, QColor(3, 10, 14));
    deep.setColorAt(1, QColor(8, 22, 30));
    p.fillPath(rounded(glass, 3), deep);
    p.save();
    p.setClipPath(rounded(glass, 3));
    // Faint scan lines and a sheen across the glass.
    for (int y = static_cast<int>(glass.top()); y < glass.bottom(); y += 2)
        p.fillRect(QRectF(glass.left(), y, glass.width(), 1), QColor(0, 0, 0, 40));
    QLinearGradient sheen(glass.topLeft(), glass.topLeft() + QPointF(60, 60));
    sheen.setColorAt(0, QColor(255, 255, 255, 26));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    QPainterPath band;
    band.moveTo(glass.topLeft());
    band.lineTo(glass.left() + 150, glass.top());
    band.lineTo(glass.left() + 90, glass.bottom());
    band.lineTo(glass.left(), glass.bottom());
    band.closeSubpath();
    p.fillPath(band, sheen);
    p.restore();
    // The groove the progress bar runs in.
    const QRectF groove = QRectF(kProgressBar).adjusted(-1, -1, 1, 1);
    p.fillRect(groove, QColor(1, 3, 4));
    p.setPen(QPen(QColor(30, 52, 62), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(groove.adjusted(-0.5, -0.5, 0.5, 0.5));
}

void paintGrille(QPainter& p) {
    const QRectF area(547, 14, 46, 131);
    p.fillPath(rounded(area.translated(0, 1), 4), QColor(255, 255, 255, 30));
    p.fillPath(rounded(area, 4), QColor(14, 15, 17));
    int row = 0;
    for (qreal y = area.top() + 4.5; y < area.bottom() - 3; y += 4, ++row) {
        const qreal shift = (row % 2) * 2.5;
        for (qreal x = area.left() + 4.5 + shift; x < area.right() - 3; x += 5) {
            QPainterPath hole;
            hole.addEllipse(QPointF(x, y), 1.4, 1.4);
            p.fillPath(hole.translated(0, 0.7), QColor(90, 96, 104));
            p.fillPath(hole, QColor(0, 0, 0));
        }
    }
}

void paintBrand(QPainter& p, const SkinFonts& fonts) {
    const QRectF word(16, 78, 116, 24);
    const QPainterPath path =
        textOutline(QStringLiteral("melodeck"), fonts.sansFont(20, true), word);
    QLinearGradient chrome(0, word.top() + 4, 0, word.bottom() - 4);
    chrome.setColorAt(0, QColor(235, 240, 246));
    chrome.setColorAt(0.55, QColor(150, 158, 168));
    chrome.setColorAt(1, QColor(210, 216, 224));
    p.fillPath(path.translated(0, 1), QColor(0, 0, 0, 160));
    p.fillPath(path, chrome);
    paintCaption(p, QStringLiteral("M I D I   K A R A O K E"), fonts.sansFont(6, true),
                 QRectF(16, 102, 116, 8), QColor(90, 214, 255, 200));
}

// A printed frame with a caption: the picture hot spots have no face of their own.
void paintSpot(QPainter& p, const QRect& spot, const QString& text, const SkinFonts& fonts) {
    const QRectF frame = QRectF(spot).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(kPrint.red(), kPrint.green(), kPrint.blue(), 150), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame, 3, 3);
    paintCaption(p, text, fonts.sansFont(7, true), QRectF(spot).adjusted(2, 0, -2, 0));
}

void paintCaptions(QPainter& p, const SkinFonts& fonts) {
    const QFont small = fonts.sansFont(7, true);
    paintCaption(p, QStringLiteral("KEY"), small, QRectF(118, 66, 22, 10));
    const char* modes[] = {"REP", "SEQ", "RND"};
    for (int i = 0; i < 3; ++i) {
        const QRect lamp = lampRect(i);
        paintCaption(p, QString::fromLatin1(modes[i]), fonts.sansFont(6, true),
                     QRectF(lamp.left() - 2, 126, lamp.width() + 4, 8));
    }
    paintCaption(p, QStringLiteral("FONT"), small, QRectF(116, 163, 32, 12));
    paintSpot(p, kPicturesSpot, QStringLiteral("PICS"), fonts);
    paintSpot(p, kMovieSpot, QStringLiteral("MOVIE"), fonts);
    // The picture-list hot spot runs under the font row.
    const QRectF list(250, 184, 172, 8);
    paintCaption(p, QStringLiteral("\u25B8 PICTURE LIST \u25C2"), fonts.sansFont(6, true), list);
    p.setPen(QPen(QColor(kPrint.red(), kPrint.green(), kPrint.blue(), 90), 1.0));
    p.drawLine(QPointF(160, 188.5), QPointF(286, 188.5));
    p.drawLine(QPointF(386, 188.5), QPointF(512, 188.5));
}

} // namespace

QPolygon panelOutline() {
    return QPolygon({{8, 0},
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
}

QImage paintPanelBody(const SkinFonts& fonts) {
    QImage image(kPanelSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintBody(p);
    paintWell(p, QRectF(12, 10, 82, 62), 8);    // power
    paintWell(p, QRectF(142, 38, 40, 66), 6);   // transpose
    paintWell(p, QRectF(490, 38, 40, 66), 6);   // list and about
    paintWell(p, QRectF(21, 123, 65, 59), 7);   // auto-play lamps and face
    paintWell(p, QRectF(155, 114, 387, 39), 7); // transport, picture spots, open
    paintWell(p, QRectF(152, 156, 368, 27), 6); // font row
    paintDisplay(p);
    paintGrille(p);
    paintBrand(p, fonts);
    paintCaptions(p, fonts);
    return image;
}

} // namespace skin
