#include "AboutPainter.h"

#include "FaceContent.h"
#include "Glow.h"
#include "PanelLayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <array>
#include <cmath>

namespace skin {
namespace {

void paintStage(QPainter& p, QSizeF size) {
    QRadialGradient sky(QPointF(size.width() / 2, size.height() * 0.38), size.width() * 0.75);
    sky.setColorAt(0, QColor(70, 34, 120));
    sky.setColorAt(0.55, QColor(28, 14, 58));
    sky.setColorAt(1, QColor(6, 4, 16));
    p.fillRect(QRectF(QPointF(0, 0), size), sky);
    // Two spotlights from the rig above.
    for (const qreal from : {0.12, 0.88}) {
        QPainterPath beam;
        beam.moveTo(size.width() * from - 6, -2);
        beam.lineTo(size.width() * from + 6, -2);
        beam.lineTo(size.width() * 0.5 + 48, size.height() * 0.86);
        beam.lineTo(size.width() * 0.5 - 48, size.height() * 0.86);
        beam.closeSubpath();
        QLinearGradient light(0, 0, 0, size.height() * 0.86);
        light.setColorAt(0, QColor(255, 255, 255, 70));
        light.setColorAt(1, QColor(255, 220, 255, 6));
        p.fillPath(beam, light);
    }
}

void paintSoundRings(QPainter& p, QPointF centre) {
    for (int i = 0; i < 4; ++i) {
        const qreal r = 54 + i * 15;
        p.setPen(QPen(QColor(90, 214, 255, 120 - i * 26), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
        p.drawArc(box, 20 * 16, 70 * 16);
        p.drawArc(box, 90 * 16, 70 * 16);
    }
}

void paintMicrophone(QPainter& p, QPointF head) {
    p.save();
    p.translate(head);
    p.rotate(-18);
    // Handle, tapering to the cable end.
    QPainterPath handle;
    handle.moveTo(-15, 22);
    handle.lineTo(15, 22);
    handle.lineTo(8, 118);
    handle.lineTo(-8, 118);
    handle.closeSubpath();
    QLinearGradient body(-15, 0, 15, 0);
    body.setColorAt(0, QColor(30, 32, 38));
    body.setColorAt(0.35, QColor(110, 116, 126));
    body.setColorAt(0.6, QColor(52, 56, 64));
    body.setColorAt(1, QColor(18, 19, 22));
    p.fillPath(handle, body);
    // Collar between head and handle.
    QLinearGradient collar(-19, 0, 19, 0);
    collar.setColorAt(0, QColor(120, 90, 20));
    collar.setColorAt(0.4, QColor(255, 214, 110));
    collar.setColorAt(1, QColor(110, 80, 18));
    p.fillRect(QRectF(-19, 16, 38, 10), collar);
    // The ball head with its mesh.
    QPainterPath ball;
    ball.addEllipse(QPointF(0, -6), 30, 28);
    QRadialGradient metal(QPointF(-10, -18), 44);
    metal.setColorAt(0, QColor(250, 252, 255));
    metal.setColorAt(0.45, QColor(160, 168, 180));
    metal.setColorAt(1, QColor(40, 44, 52));
    p.fillPath(ball, metal);
    p.setClipPath(ball);
    p.setPen(QPen(QColor(20, 22, 28, 120), 1.0));
    for (int k = -34; k <= 34; k += 5) {
        p.drawLine(QPointF(k, -40), QPointF(k + 30, 30));
        p.drawLine(QPointF(k, -40), QPointF(k - 30, 30));
    }
    p.restore();
}

void paintNotes(QPainter& p, QSize size, const SkinFonts& fonts) {
    struct Note {
        const char16_t* glyph;
        qreal x, y, px;
        QColor colour;
    };
    const std::array<Note, 5> notes = {{
        {u"\u266B", 38, 70, 34, QColor(90, 214, 255)},
        {u"\u266A", 206, 52, 30, QColor(255, 90, 200)},
        {u"\u266C", 214, 150, 28, QColor(255, 190, 60)},
        {u"\u266A", 30, 160, 24, QColor(255, 190, 60)},
        {u"\u266B", 118, 18, 20, QColor(255, 90, 200)},
    }};
    for (const Note& note : notes) {
        const QPainterPath path =
            textOutline(QString::fromUtf16(note.glyph), fonts.sansFont(note.px, true),
                        QRectF(note.x, note.y, note.px, note.px));
        p.drawImage(0, 0, glowLayer(size, path, note.colour, 4));
        p.fillPath(path, note.colour.lighter(135));
    }
}

void paintEqualizer(QPainter& p, QSizeF size) {
    const int bars = 17;
    const qreal width = size.width() / bars;
    for (int i = 0; i < bars; ++i) {
        const qreal level = 0.35 + 0.6 * std::abs(std::sin(i * 1.7 + 0.4) * std::cos(i * 0.45));
        const int cells = static_cast<int>(level * 7);
        for (int c = 0; c < cells; ++c) {
            const qreal t = c / 6.0;
            const QColor colour = t < 0.5   ? QColor(70, 255, 120)
                                  : t < 0.8 ? QColor(255, 190, 40)
                                            : QColor(255, 70, 60);
            const QRectF cell(i * width + 2, size.height() - 8 - c * 6, width - 4, 4);
            p.fillRect(cell, colour);
            // Its reflection on the stage floor.
            if (c < 2)
                p.fillRect(QRectF(cell.left(), size.height() - 3 + c * 3, cell.width(), 1),
                           QColor(colour.red(), colour.green(), colour.blue(), 70));
        }
    }
}

} // namespace

QImage paintAboutPicture(const SkinFonts& fonts) {
    QImage image(kAboutPictureSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QSizeF size = image.size();
    paintStage(p, size);
    const QPointF head(size.width() * 0.5, size.height() * 0.40);
    paintSoundRings(p, head);
    paintNotes(p, image.size(), fonts);
    paintMicrophone(p, head);
    paintEqualizer(p, size);
    return image;
}

QImage paintAboutLogo(const SkinFonts& fonts) {
    QImage image(kAboutLogoSize, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 192)); // the about box's grey behind the plate's corners
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plate = QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient dark(plate.topLeft(), plate.bottomLeft());
    dark.setColorAt(0, QColor(64, 68, 76));
    dark.setColorAt(1, QColor(18, 19, 22));
    p.setPen(QPen(QColor(10, 10, 12), 1.0));
    p.setBrush(dark);
    p.drawRoundedRect(plate, 6, 6);
    const QPainterPath note =
        textOutline(QStringLiteral("\u266B"), fonts.sansFont(22, true), QRectF(6, 4, 26, 26));
    p.drawImage(0, 0, glowLayer(image.size(), note, QColor(90, 214, 255), 2));
    p.fillPath(note, QColor(190, 240, 255));
    const QPainterPath word =
        textOutline(QStringLiteral("melodeck"), fonts.sansFont(22, true), QRectF(34, 3, 122, 24));
    QLinearGradient chrome(0, 8, 0, 26);
    chrome.setColorAt(0, QColor(250, 252, 255));
    chrome.setColorAt(0.55, QColor(150, 158, 168));
    chrome.setColorAt(1, QColor(220, 226, 234));
    p.fillPath(word.translated(0, 1), QColor(0, 0, 0, 170));
    p.fillPath(word, chrome);
    p.fillRect(QRectF(36, 28.5, 118, 1), QColor(90, 214, 255, 180));
    return image;
}

} // namespace skin
