#include "StatusColour.h"

namespace player {

QColor statusTextColour(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return end > 0 && text[end - 1] == u'.' ? QColor(0xFF, 0, 0) : QColor(0, 0xFF, 0xFF);
}

} // namespace player
