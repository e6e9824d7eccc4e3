#pragma once
// One outline vertex in pixels, relative to the top-left corner of the shaped window.
#include <QtGlobal>

namespace contolib {

struct Point {
    qint32 x = 0;
    qint32 y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

} // namespace contolib
