#pragma once
// Places and sizes stay in twips (1440 per inch) up to the widget boundary; this is that
// boundary, at the screen's logical resolution (15 twips per pixel at 96 dots per inch).
#include <QRect>
#include <QWidget>

namespace player {

inline int twipsToPixels(int twips, const QWidget* widget) {
    return twips * widget->logicalDpiX() / 1440;
}

inline void placeInTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsToPixels(left, widget), twipsToPixels(top, widget),
                        twipsToPixels(width, widget), twipsToPixels(height, widget));
}

} // namespace player
