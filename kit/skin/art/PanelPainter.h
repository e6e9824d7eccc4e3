#pragma once
// The panel's body: brushed metal cut to the panel's outline, with the recessed wells the
// faces sit in, the display window behind the status line, title and progress bar, the
// speaker grille and the printed captions. The faces themselves are not on it.
#include "SkinFonts.h"

#include <QImage>
#include <QPolygon>

namespace skin {

// The panel's outline in pixels: a 604 x 196 rectangle with its corners cut in three steps.
QPolygon panelOutline();

// Outside the outline the picture is transparent.
QImage paintPanelBody(const SkinFonts& fonts);

} // namespace skin
