#pragma once
// One picture to judge the skin by: the panel cut to its outline at rest and in use (with
// stand-ins for the status line, title and progress bar), at twice and at true size, every
// face in its three looks, the lamps and the about box's pictures.
#include "SkinFonts.h"
#include "SkinSet.h"

#include <QImage>

namespace skin {

QImage contactSheet(const SkinSet& set, const SkinFonts& fonts);

} // namespace skin
