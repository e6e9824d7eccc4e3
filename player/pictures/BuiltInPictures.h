#pragma once
// The pictures the player carries itself, painted at start rather than stored: the first
// background of the lyric screen, the movie background and the plain colour background.
#include <QImage>

namespace player {

QImage startPicture();
QImage movieBackground();
QImage plainBackground();

} // namespace player
