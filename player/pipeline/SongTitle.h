#pragma once
#include <QString>

namespace player {

// The title the panel shows for a chosen path: the path before its first ".kar" (any
// letter case) when that is not at its very start, else the whole path. Paths of four
// characters or fewer are shown whole.
QString songTitle(const QString& path);

} // namespace player
