#pragma once
// The window region of an outline: the polygon through the vertices, filled with the
// winding rule, within a window of the given size. Vertices may lie anywhere in 32 bits.
#include "contolib/Point.h"

#include <QRegion>
#include <QSize>
#include <vector>

namespace contolib {

QRegion outlineRegion(const std::vector<Point>& vertices, QSize window);

} // namespace contolib
