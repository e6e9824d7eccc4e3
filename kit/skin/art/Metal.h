#pragma once
// Brushed dark metal, the panel's body.
#include <QImage>

namespace skin {

// Long horizontal streaks over a soft top-to-bottom light; the same seed gives the same
// picture on every run.
QImage brushedMetal(QSize size, unsigned seed);

} // namespace skin
