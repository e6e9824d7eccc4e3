#pragma once
// Small rules for the bytes of lyric and message lines.
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace player {

// Removes spaces (only spaces) at both ends.
std::string trimSpaces(std::string_view text);
QString trimSpaces(const QString& text);

// The decimal value at the start of the text, as the old numeric reading did it: leading
// spaces, an optional sign, then digits up to the first other character; 0 when there
// are none. Values beyond 32 bits are held at the 32-bit limits.
int32_t leadingNumber(std::string_view text);

// The text a line of lyric bytes shows: UTF-8 when the bytes are valid UTF-8 and hold a
// multi-byte sequence, otherwise one character per byte through Windows-1252, so a legacy
// 8-bit lyric font shows the glyph at that code.
QString lyricBytesToText(std::string_view bytes);

} // namespace player
