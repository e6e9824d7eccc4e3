#include "FaceContent.h"

#include <QFontMetricsF>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>
#include <array>
#include <cmath>

namespace skin {
namespace {

// Symbols are laid out around a whole-pixel centre so their straight edges stay crisp.
QPointF snappedCentre(const QRectF& key) {
    return {std::round(key.center().x()), std::round(key.center().y())};
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath play(QPointF c) {
    return polygon({c + QPointF(-3, -4.5), c + QPointF(4.5, 0), c + QPointF(-3, 4.5)});
}

QPainterPath stop(QPointF c) {
    QPainterPath path;
    path.addRect(QRectF(c.x() - 4, c.y() - 4, 8, 8));
    return path;
}

QPainterPath pause(QPointF c) {
    QPainterPath path;
    path.addRect(QRectF(c.x() - 4, c.y() - 4.5, 3, 9));
    path.addRect(QRectF(c.x() + 1, c.y() - 4.5, 3, 9));
    return path;
}

// Bar and two triangles; `dir` -1 points left (previous), +1 right (next).
QPainterPath skip(QPointF c, int dir) {
    const double d = dir;
    QPainterPath path;
    path.addRect(QRectF(c.x() + d * 5 - (dir > 0 ? 2 : 0), c.y() - 4, 2, 8));
    path.addPath(
        polygon({c + QPointF(d * -5, -4), c + QPointF(d * -1, 0), c + QPointF(d * -5, 4)}));
    path.addPath(polygon({c + QPointF(d * -1, -4), c + QPointF(d * 3, 0), c + QPointF(d * -1, 4)}));
    return path;
}

QPainterPath stroked(const QPainterPath& line, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line);
}

QPainterPath power(QPointF c) {
    const qreal r = 6.5;
    QPainterPath ring;
    // Open at the top, where the bar stands.
    ring.arcMoveTo(QRectF(c.x() - r, c.y() - r + 1, 2 * r, 2 * r), 125);
    ring.arcTo(QRectF(c.x() - r, c.y() - r + 1, 2 * r, 2 * r), 125, 290);
    QPainterPath bar;
    bar.moveTo(c + QPointF(0, -6.5));
    bar.lineTo(c + QPointF(0, 0.5));
    return stroked(ring, 2.0).united(stroked(bar, 2.0));
}

QPainterPath eject(QPointF c) {
    QPainterPath path = polygon({c + QPointF(-4.5, 1), c + QPointF(0, -4), c + QPointF(4.5, 1)});
    path.addRect(QRectF(c.x() - 4.5, c.y() + 2.5, 9, 2));
    return path;
}

QPainterPath list(QPointF c) {
    QPainterPath path;
    for (int row = -1; row <= 1; ++row) {
        const qreal y = c.y() + row * 3.5 - 1;
        path.addRect(QRectF(c.x() - 5, y, 2, 2));
        path.addRect(QRectF(c.x() - 2, y, 7, 2));
    }
    return path;
}

// The sharp and the flat of the transpose keys, heavier than the font's glyphs.
QPainterPath sharp(QPointF c) {
    QPainterPath path;
    path.addRect(QRectF(c.x() - 2.5, c.y() - 6, 1.6, 12.5));
    path.addRect(QRectF(c.x() + 1, c.y() - 6.5, 1.6, 12.5));
    for (const qreal y : {-2.0, 2.5})
        path = path.united(polygon({c + QPointF(-5, y + 0.6), c + QPointF(5, y - 2.0),
                                    c + QPointF(5, y + 0.2), c + QPointF(-5, y + 2.8)}));
    return path;
}

QPainterPath flat(QPointF c) {
    QPainterPath stem;
    stem.addRect(QRectF(c.x() - 3.5, c.y() - 7, 1.8, 13));
    QPainterPath bowl;
    bowl.moveTo(c + QPointF(-2.6, 0.5));
    bowl.cubicTo(c + QPointF(1, -3), c + QPointF(6, -1), c + QPointF(-2.6, 5.5));
    return stem.united(stroked(bowl, 2.0));
}

QPainterPath info(QPointF c, const SkinFonts& fonts) {
    QPainterPath ring;
    ring.addEllipse(c + QPointF(0.5, 0.5), 6.2, 6.2);
    QPainterPath path = stroked(ring, 1.3);
    path.addPath(textOutline(QStringLiteral("i"), fonts.serifFont(10, true),
                             QRectF(c.x() - 5, c.y() - 5, 11, 11)));
    return path;
}

} // namespace

QPainterPath textOutline(const QString& text, const QFont& font, const QRectF& box) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(text);
    const qreal squeeze = width > box.width() ? box.width() / width : 1.0;
    const qreal baseline = std::round(box.center().y() + metrics.capHeight() / 2);
    const qreal left = box.center().x() - width * squeeze / 2;
    return QTransform(squeeze, 0, 0, 1, left, baseline).map(path);
}

QPainterPath faceContent(SkinFace face, const QRectF& key, const SkinFonts& fonts) {
    const QPointF c = snappedCentre(key);
    switch (face) {
    case SkinFace::PicPower:
        return power(c);
    case SkinFace::PicAuto:
        return textOutline(QStringLiteral("AUTO"), fonts.sansFont(9, true), key);
    case SkinFace::PicPlay:
        return play(c);
    case SkinFace::PicStop:
        return stop(c);
    case SkinFace::PicPaus:
        return pause(c);
    case SkinFace::PicPrev:
        return skip(c, -1);
    case SkinFace::PicNext:
        return skip(c, +1);
    case SkinFace::PicOpen: {
        QPainterPath path = eject(QPointF(std::round(key.left() + 8), c.y()));
        path.addPath(textOutline(QStringLiteral("OPEN"), fonts.sansFont(8, true),
                                 key.adjusted(15, 0, -2, 0)));
        return path;
    }
    case SkinFace::PicList:
        return list(c);
    case SkinFace::PicAbou:
        return info(c, fonts);
    case SkinFace::PicTrUp:
        return sharp(c);
    case SkinFace::PicTrDn:
        return flat(c);
    }
    return {};
}

QPainterPath fontFaceContent(int index, const QRectF& key, const SkinFonts& fonts) {
    // Short captions of the ten lyric fonts, in the order of the font list.
    static constexpr std::array<const char*, kSkinFontFaceCount> captions = {
        "Arial N", "Time",    "Exotic", "Helvet", "Compact",
        "Swiss C", "Swiss B", "Revue",  "Swiss",  "Century"};
    return textOutline(QString::fromLatin1(captions.at(static_cast<std::size_t>(index))),
                       fonts.sansFont(8, true), key.adjusted(2, 0, -2, 0));
}

} // namespace skin
