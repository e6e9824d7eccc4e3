#include "contolib/Twips.h"

#include <QWidget>
#include <cmath>

namespace contolib {

double twipsPerPixel(const QWidget* widget) {
    const int dpi = widget->logicalDpiX();
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

int twipsToPixels(double twips, const QWidget* widget) {
    return static_cast<int>(std::lround(twips / twipsPerPixel(widget)));
}

} // namespace contolib
