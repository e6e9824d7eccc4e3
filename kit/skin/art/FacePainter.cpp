#include "FacePainter.h"

#include "Glow.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>

namespace skin {
namespace {

QColor mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(
        a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
        a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

QPainterPath keyShape(const QRectF& key) {
    QPainterPath path;
    const qreal radius = qMin(4.0, key.height() / 4);
    path.addRoundedRect(key, radius, radius);
    return path;
}

void paintKeyBody(QPainter& p, const QRectF& key, SkinLook look, const QColor& accent) {
    const QPainterPath shape = keyShape(key);
    const bool pressed = look == SkinLook::Pressed;
    if (!pressed) {
        // The raised key throws a short shadow into its well.
        p.fillPath(keyShape(key.translated(0, 1.5)), QColor(0, 0, 0, 130));
    }
    QLinearGradient body(key.topLeft(), key.bottomLeft());
    switch (look) {
    case SkinLook::Normal:
        body.setColorAt(0, QColor(96, 102, 112));
        body.setColorAt(0.5, QColor(66, 71, 79));
        body.setColorAt(1, QColor(44, 47, 53));
        break;
    case SkinLook::Hover:
        body.setColorAt(0, mix(QColor(112, 119, 130), accent, 0.18));
        body.setColorAt(0.5, mix(QColor(74, 80, 89), accent, 0.14));
        body.setColorAt(1, mix(QColor(48, 52, 58), accent, 0.10));
        break;
    case SkinLook::Pressed:
        body.setColorAt(0, QColor(24, 26, 30));
        body.setColorAt(1, QColor(46, 50, 56));
        break;
    }
    p.fillPath(shape, body);

    p.save();
    p.setClipPath(shape);
    if (pressed) {
        // Pushed in: the upper rim shades the key.
        p.fillPath(shape.subtracted(keyShape(key.adjusted(0, 2, 0, 2))), QColor(0, 0, 0, 150));
    } else {
        // A bright upper rim where the light catches the edge.
        p.fillPath(shape.subtracted(keyShape(key.adjusted(0, 1, 0, 1))),
                   QColor(255, 255, 255, look == SkinLook::Hover ? 110 : 80));
    }
    p.restore();

    p.setPen(QPen(
        look == SkinLook::Hover ? mix(QColor(10, 11, 13), accent, 0.45) : QColor(10, 11, 13), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(keyShape(key.adjusted(0.5, 0.5, -0.5, -0.5)));
}

void paintContent(QPainter& p, QSize size, const QPainterPath& content, SkinLook look,
                  const QColor& accent) {
    switch (look) {
    case SkinLook::Normal:
        p.fillPath(content.translated(0, 1), QColor(0, 0, 0, 150));
        p.fillPath(content, QColor(214, 219, 226));
        break;
    case SkinLook::Hover: {
        p.drawImage(0, 0, glowLayer(size, content, withAlpha(accent, 255), 2));
        p.fillPath(content, mix(accent, Qt::white, 0.2));
        break;
    }
    case SkinLook::Pressed: {
        const QPainterPath moved = content.translated(1, 1);
        p.drawImage(0, 0, glowLayer(size, moved, withAlpha(accent, 140), 1));
        p.fillPath(moved, mix(accent, QColor(60, 60, 60), 0.25));
        break;
    }
    }
}

// The state lamp: a small slot above the key.
void paintLamp(QPainter& p, QSize size, const QRectF& key, bool lit, const QColor& accent) {
    const QRectF slot(std::round(key.center().x()) - 5, key.top() - 4, 10, 2.5);
    QPainterPath shape;
    shape.addRoundedRect(slot, 1.2, 1.2);
    if (lit) {
        p.drawImage(0, 0, glowLayer(size, shape, accent, 2));
        p.drawImage(0, 0, glowLayer(size, shape, accent, 1));
        p.fillPath(shape, mix(accent, Qt::white, 0.55));
    } else {
        p.fillPath(shape, QColor(8, 9, 10));
        p.fillPath(shape.translated(0, 0.8).subtracted(shape), QColor(255, 255, 255, 40));
        QPainterPath inner;
        inner.addRoundedRect(slot.adjusted(1, 0.6, -1, -0.6), 0.6, 0.6);
        p.fillPath(inner, mix(accent, QColor(20, 20, 20), 0.82));
    }
}

} // namespace

QImage paintFace(const QImage& beneath, const FaceArt& art, SkinLook look) {
    QImage image = beneath.convertToFormat(QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(
        QRect(QPoint(0, 0), image.size()).adjusted(kFaceEdge, kFaceEdge, -kFaceEdge, -kFaceEdge));
    const QRectF& key = art.layout.key;
    const QColor& accent = art.layout.accent;
    if (look == SkinLook::Hover) {
        // The lit key spills a little light into its well.
        p.drawImage(0, 0, glowLayer(image.size(), keyShape(key), withAlpha(accent, 90), 2));
    }
    paintKeyBody(p, key, look, accent);
    p.save();
    p.setClipPath(keyShape(key.adjusted(1, 1, -1, -1)), Qt::IntersectClip);
    paintContent(p, image.size(), art.content, look, accent);
    p.restore();
    if (art.lamp)
        paintLamp(p, image.size(), key, look == SkinLook::Hover, accent);
    return image;
}

} // namespace skin
