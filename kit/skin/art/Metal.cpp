#include "Metal.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace skin {

QImage brushedMetal(QSize size, unsigned seed) {
    const int w = size.width();
    const int h = size.height();
    // Streaks: white noise smeared along each row.
    constexpr int kSmear = 18;
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    QImage image(size, QImage::Format_RGB32);
    const int span = 2 * kSmear + 1;
    std::vector<double> prefix(static_cast<std::size_t>(w + span + 1));
    for (int y = 0; y < h; ++y) {
        for (std::size_t k = 1; k < prefix.size(); ++k)
            prefix[k] = prefix[k - 1] + noise(random);
        const double rowShade = noise(random) * 2.0;
        // Light falls from above: brighter near the top, a broad sheen a third down.
        const double t = static_cast<double>(y) / (h - 1);
        const double sheen = 10.0 * std::max(0.0, 1.0 - std::abs(t - 0.3) * 3.0);
        const double base = 62.0 - 22.0 * t + sheen + rowShade;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const auto i = static_cast<std::size_t>(x);
            const double streak = (prefix[i + span] - prefix[i]) / span * 22.0;
            const double grain = noise(random) * 1.5;
            const int v = std::clamp(static_cast<int>(base + streak + grain), 0, 255);
            // A faint blue cast keeps the grey from looking muddy.
            line[x] = qRgb(v, std::min(255, v + 2), std::min(255, v + 6));
        }
    }
    return image;
}

} // namespace skin
