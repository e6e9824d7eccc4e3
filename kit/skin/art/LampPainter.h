#pragma once
// The auto-play lamp in its bezel, lit (ImgLedS) or unlit (ImgLedN), drawn over the panel
// beneath the first lamp; the well is the same behind all three.
#include <QImage>

namespace skin {

QImage paintLamp(const QImage& beneath, bool lit);

} // namespace skin
