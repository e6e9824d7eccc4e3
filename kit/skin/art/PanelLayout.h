#pragma once
// Where everything sits on the panel, in pixels at 96 dots per inch. The places are the
// panel's twips cut toward zero, as the panel converts them; the drawn key of each face is
// our own choice and always covers the face's active rectangle.
#include "../Skin.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>

namespace skin {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr QSize kPanelSize{604, 196};

struct FaceLayout {
    QPoint place; // top-left on the panel
    QSize size;
    QRectF hit;    // the active rectangle, in the face's own pixels
    QRectF key;    // the drawn key, in the face's own pixels
    QColor accent; // the colour the face lights in
};

FaceLayout faceLayout(SkinFace face);
FaceLayout fontFaceLayout(int index);

// The auto-play lamps ImgAuLed(0) to ImgAuLed(2).
QRect lampRect(int index);
inline constexpr QSize kLampSize{18, 9};

// The status line, the title and the progress bar sit on the display window.
inline constexpr QRect kStatusLabel{220, 48, 258, 21};
inline constexpr QRect kTitleLabel{220, 68, 258, 21};
inline constexpr QRect kProgressBar{220, 92, 258, 9};
// Transparent hot spots of the picture functions: the panel prints what they do.
inline constexpr QRect kPicturesSpot{396, 128, 33, 13};
inline constexpr QRect kMovieSpot{440, 128, 29, 13};

inline constexpr QSize kAboutPictureSize{268, 268};
inline constexpr QSize kAboutLogoSize{162, 35};

} // namespace skin
