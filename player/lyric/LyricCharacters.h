#pragma once
// Lyric bytes as the characters they are drawn as.
#include <QString>
#include <QStringList>
#include <string_view>

namespace player {

// Whether the character is a line marker, "/" or "\": markers are drawn as nothing.
bool isLyricMarker(const QString& character);

// The characters the bytes show, in order, each a whole user-perceived character (a base
// letter with its combining marks), decoded as the lyric font expects.
QStringList lyricCharacters(std::string_view bytes);

// The text of the bytes without their markers: what is measured and what is seen.
QString visibleLyricText(std::string_view bytes);

} // namespace player
