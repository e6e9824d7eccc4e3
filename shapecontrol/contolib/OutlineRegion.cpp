#include "contolib/OutlineRegion.h"

#include <QPointF>
#include <QPolygon>
#include <cmath>

namespace contolib {

namespace {

// One side of the window: keeps the part of the polygon on the window's side of the line
// coordinate(p) = limit. Cutting along the line keeps every winding number on that side,
// so the winding fill inside the window is unchanged.
template <typename Coordinate>
std::vector<QPointF> clipSide(const std::vector<QPointF>& polygon, Coordinate coordinate,
                              double limit, bool keepBelow) {
    std::vector<QPointF> out;
    if (polygon.empty())
        return out;
    const auto inside = [&](const QPointF& p) {
        return keepBelow ? coordinate(p) <= limit : coordinate(p) >= limit;
    };
    const auto crossing = [&](const QPointF& a, const QPointF& b) {
        const double t = (limit - coordinate(a)) / (coordinate(b) - coordinate(a));
        return a + (b - a) * t;
    };
    QPointF previous = polygon.back();
    for (const QPointF& current : polygon) {
        if (inside(current)) {
            if (!inside(previous))
                out.push_back(crossing(previous, current));
            out.push_back(current);
        } else if (inside(previous)) {
            out.push_back(crossing(previous, current));
        }
        previous = current;
    }
    return out;
}

} // namespace

// The platform's polygon region builder gives up, silently and leaking, on polygons
// larger than about 100000 pixels, so the outline is cut to the window first.
QRegion outlineRegion(const std::vector<Point>& vertices, QSize window) {
    std::vector<QPointF> polygon;
    polygon.reserve(vertices.size());
    for (const Point& p : vertices)
        polygon.emplace_back(p.x, p.y);
    const auto x = [](const QPointF& p) { return p.x(); };
    const auto y = [](const QPointF& p) { return p.y(); };
    polygon = clipSide(polygon, x, 0, false);
    polygon = clipSide(polygon, x, window.width(), true);
    polygon = clipSide(polygon, y, 0, false);
    polygon = clipSide(polygon, y, window.height(), true);

    QPolygon clipped;
    clipped.reserve(static_cast<qsizetype>(polygon.size()));
    for (const QPointF& p : polygon)
        clipped << QPoint(static_cast<int>(std::lround(p.x())),
                          static_cast<int>(std::lround(p.y())));
    return QRegion(clipped, Qt::WindingFill);
}

} // namespace contolib
