#include "SongTitle.h"

namespace player {

QString songTitle(const QString& path) {
    if (path.size() <= 4)
        return path;
    const auto at = path.indexOf(QStringLiteral(".kar"), 0, Qt::CaseInsensitive);
    return at > 0 ? path.left(at) : path;
}

} // namespace player
