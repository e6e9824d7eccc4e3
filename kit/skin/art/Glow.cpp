#include "Glow.h"

#include <QPainter>
#include <vector>

namespace skin {
namespace {

// One box blur pass along rows (horizontal) or columns, on premultiplied pixels so the
// colour fades with the alpha.
void boxBlur(QImage& image, int radius, bool horizontal) {
    const int w = image.width();
    const int h = image.height();
    const int lines = horizontal ? h : w;
    const int length = horizontal ? w : h;
    std::vector<QRgb> line(static_cast<std::size_t>(length));
    for (int l = 0; l < lines; ++l) {
        auto pixel = [&](int i) -> QRgb& {
            const int x = horizontal ? i : l;
            const int y = horizontal ? l : i;
            return reinterpret_cast<QRgb*>(image.scanLine(y))[x];
        };
        for (int i = 0; i < length; ++i)
            line[static_cast<std::size_t>(i)] = pixel(i);
        for (int i = 0; i < length; ++i) {
            int sum[4] = {0, 0, 0, 0};
            for (int k = i - radius; k <= i + radius; ++k) {
                if (k < 0 || k >= length)
                    continue;
                const QRgb c = line[static_cast<std::size_t>(k)];
                sum[0] += qRed(c);
                sum[1] += qGreen(c);
                sum[2] += qBlue(c);
                sum[3] += qAlpha(c);
            }
            const int n = 2 * radius + 1;
            pixel(i) = qRgba(sum[0] / n, sum[1] / n, sum[2] / n, sum[3] / n);
        }
    }
}

} // namespace

QImage glowLayer(QSize size, const QPainterPath& shape, const QColor& colour, int radius) {
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(shape, colour);
    }
    // Three box passes come close to a Gaussian.
    for (int pass = 0; pass < 3; ++pass) {
        boxBlur(layer, radius, true);
        boxBlur(layer, radius, false);
    }
    return layer;
}

} // namespace skin
