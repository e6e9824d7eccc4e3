#pragma once
// The texts of the message boxes of start-up and of the first activation.
#include <QString>

namespace player {

QString noSongsText(const QString& songFolder);
QString badScaleText();

} // namespace player
