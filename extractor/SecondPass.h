#pragma once
// The second pass: the three files the player reads, derived from the first-pass files.
// Each returns false after writing its message to the error channel.
#include "ByteFile.h"
#include "ErrorChannel.h"

#include <filesystem>
#include <optional>

namespace textpull {

// The letter of an @-tag when prev is "@" and cur one of I, K, L, T, V, W.
std::optional<char> GetTag(char prev, char cur);

// Copies the first line piece (the division line) as it is stored.
void CopyFirstLine(ByteFile& from, ByteFile& to);

// "Input.tit": a line " <title>" for each @T of the first line of "Input0.str".
bool WriteTitles(const std::filesystem::path& folder, ErrorChannel& errors);
// "Input.dat": the division line, then the records from the first lyric line on.
bool WriteTimedRecords(const std::filesystem::path& folder, ErrorChannel& errors);
// "Input.str": the text lines from the first lyric line on.
bool WriteLyricLines(const std::filesystem::path& folder, ErrorChannel& errors);

} // namespace textpull
