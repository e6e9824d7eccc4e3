#pragma once
// Soft light around a shape: the lit look of the faces and lamps.
#include <QColor>
#include <QImage>
#include <QPainterPath>

namespace skin {

// The shape filled in the colour and spread by about `radius` pixels, on a transparent
// image of the given size.
QImage glowLayer(QSize size, const QPainterPath& shape, const QColor& colour, int radius);

} // namespace skin
