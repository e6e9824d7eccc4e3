#include "LampPainter.h"

#include "Glow.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace skin {

QImage paintLamp(const QImage& beneath, bool lit) {
    QImage image = beneath.convertToFormat(QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF bezel(0.5, 0.5, image.width() - 1.0, image.height() - 1.5);
    QPainterPath rim;
    rim.addRoundedRect(bezel, 2.5, 2.5);
    p.fillPath(rim.translated(0, 1), QColor(255, 255, 255, 40));
    p.fillPath(rim, QColor(6, 6, 7));
    const QRectF lens = bezel.adjusted(2, 1.5, -2, -1.5);
    QPainterPath glass;
    glass.addRoundedRect(lens, 1.5, 1.5);
    const QColor amber(255, 170, 30);
    if (lit) {
        p.save();
        p.setClipPath(rim);
        p.drawImage(0, 0, glowLayer(image.size(), glass, amber, 2));
        p.restore();
        QLinearGradient light(lens.topLeft(), lens.bottomLeft());
        light.setColorAt(0, QColor(255, 246, 200));
        light.setColorAt(0.5, QColor(255, 196, 60));
        light.setColorAt(1, QColor(240, 130, 10));
        p.fillPath(glass, light);
    } else {
        QLinearGradient dark(lens.topLeft(), lens.bottomLeft());
        dark.setColorAt(0, QColor(72, 52, 22));
        dark.setColorAt(1, QColor(38, 26, 10));
        p.fillPath(glass, dark);
    }
    // The lens's highlight.
    p.fillRect(QRectF(lens.left() + 2, lens.top() + 0.5, lens.width() - 4, 1),
               QColor(255, 255, 255, lit ? 170 : 45));
    return image;
}

} // namespace skin
