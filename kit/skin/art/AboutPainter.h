#pragma once
// The about box's two pictures: the large stage picture and the logo.
#include "SkinFonts.h"

#include <QImage>

namespace skin {

QImage paintAboutPicture(const SkinFonts& fonts);
QImage paintAboutLogo(const SkinFonts& fonts);

} // namespace skin
