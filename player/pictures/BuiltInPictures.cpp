#include "BuiltInPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace player {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

QImage canvas() {
    return QImage(kWidth, kHeight, QImage::Format_RGB32);
}

} // namespace

// A stage at night: a deep violet sky, two spotlights crossing over a glowing floor.
QImage startPicture() {
    QImage picture = canvas();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0.0, QColor(12, 6, 40));
    sky.setColorAt(0.6, QColor(58, 18, 86));
    sky.setColorAt(1.0, QColor(20, 8, 30));
    painter.fillRect(picture.rect(), sky);

    for (int side = 0; side < 2; ++side) {
        const double foot = side == 0 ? 0.08 : 0.92;
        const double aim = side == 0 ? 0.62 : 0.38;
        QPainterPath beam;
        beam.moveTo(foot * kWidth, 0);
        beam.lineTo((aim - 0.12) * kWidth, kHeight * 0.78);
        beam.lineTo((aim + 0.12) * kWidth, kHeight * 0.78);
        beam.closeSubpath();
        QLinearGradient light(0, 0, 0, kHeight * 0.78);
        light.setColorAt(0.0, QColor(255, 240, 200, 150));
        light.setColorAt(1.0, QColor(255, 200, 120, 20));
        painter.fillPath(beam, light);
    }

    QRadialGradient floor(kWidth / 2.0, kHeight * 0.8, kWidth * 0.45);
    floor.setColorAt(0.0, QColor(255, 170, 90, 200));
    floor.setColorAt(1.0, QColor(255, 120, 60, 0));
    painter.setBrush(floor);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(kWidth / 2.0, kHeight * 0.8), kWidth * 0.45, kHeight * 0.12);

    // A few stars in a fixed pattern, so the picture is the same on every start.
    painter.setBrush(QColor(255, 255, 230));
    for (int i = 0; i < 60; ++i) {
        const double x = std::fmod(i * 173.3, kWidth);
        const double y = std::fmod(i * 97.1, kHeight * 0.45);
        painter.drawEllipse(QPointF(x, y), 1.2 + (i % 3) * 0.6, 1.2 + (i % 3) * 0.6);
    }
    return picture;
}

// A dark screen between two film strips, kept clear of the lyric rows in the lower quarter.
QImage movieBackground() {
    QImage picture = canvas();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(kWidth / 2.0, kHeight / 2.0, kWidth * 0.7);
    glow.setColorAt(0.0, QColor(40, 44, 60));
    glow.setColorAt(1.0, QColor(6, 6, 10));
    painter.fillRect(picture.rect(), glow);

    const int strip = 70;
    for (int top : {8, kHeight - 8 - strip}) {
        painter.fillRect(0, top, kWidth, strip, QColor(18, 18, 18));
        painter.setBrush(QColor(210, 210, 200));
        painter.setPen(Qt::NoPen);
        for (int x = 12; x < kWidth; x += 48) {
            painter.drawRoundedRect(QRectF(x, top + 6, 24, 12), 3, 3);
            painter.drawRoundedRect(QRectF(x, top + strip - 18, 24, 12), 3, 3);
        }
        painter.setBrush(QColor(70, 80, 110));
        for (int x = 20; x + 140 < kWidth; x += 170)
            painter.drawRect(QRectF(x, top + 24, 140, strip - 48));
    }
    return picture;
}

QImage plainBackground() {
    QImage picture = canvas();
    picture.fill(QColor(0, 0, 96));
    return picture;
}

} // namespace player
