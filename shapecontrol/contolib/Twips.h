#pragma once
// Forms measure in twips (1440 per inch); widgets in pixels. The conversion uses the
// screen the widget is on: 15 twips per pixel at 96 dots per inch.
class QWidget;

namespace contolib {

double twipsPerPixel(const QWidget* widget);
int twipsToPixels(double twips, const QWidget* widget);

} // namespace contolib
