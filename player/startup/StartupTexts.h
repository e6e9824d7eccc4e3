#pragma once
// The texts of the message boxes of start-up and of the first activation.
#include <QString>

namespace player {

QString noSongsText(const QString& appFolder);
// pictureCount 0 or 1: the two texts of a folder with too few pictures.
QString tooFewPicturesText(int pictureCount, const QString& appFolder);
QString badScaleText();

} // namespace player
