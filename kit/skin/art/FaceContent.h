#pragma once
// What each face shows on its key: a symbol or a short label, as a filled outline in the
// face's own pixels, so the same shape serves the plain, the pressed and the glowing look.
#include "../Skin.h"
#include "SkinFonts.h"

#include <QPainterPath>
#include <QRectF>

namespace skin {

QPainterPath faceContent(SkinFace face, const QRectF& key, const SkinFonts& fonts);
QPainterPath fontFaceContent(int index, const QRectF& key, const SkinFonts& fonts);

// The text's outline centred on the box (by its capital height, on a whole-pixel
// baseline), squeezed sideways when it is wider than the box.
QPainterPath textOutline(const QString& text, const QFont& font, const QRectF& box);

} // namespace skin
