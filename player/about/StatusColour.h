#pragma once
#include <QColor>
#include <QString>

namespace player {

// The status line reads a text ending in a full stop, spaces at either end aside, as an
// error: red. Anything else is information: cyan.
QColor statusTextColour(const QString& text);

// The colour of the status line's first caption, before any Part reports anything.
inline const QColor kFirstStatusColour{0xFF, 0x20, 0x20};

} // namespace player
