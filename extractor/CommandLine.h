#pragma once
// The extractor's command line: the program name, then the receiving window's handle as
// one signed decimal word.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace textpull {

// The command line after the program name as the system hands it over: the arguments
// joined by single spaces, leading blanks skipped.
std::string CommandTail(int argc, const char* const* argv);

// The 512-byte copy of the tail: taken only when shorter than 500 characters, else empty.
std::string CopyCommandTail(std::string_view tail);

// Splits the copy at every space (each becomes a zero byte) into at most 3 words and
// returns the word count plus one for the program name; 0 for an empty copy or one that
// begins with a space. Only spaces separate words: a tab is part of a word.
int SplitCmdLine(std::string& copy, std::array<const char*, 3>& words);

// The word as a signed decimal by the usual scanning rules (leading white space, a sign,
// digits up to the first other character), held to 32 bits; 0 when it is no number.
int32_t ReadHandle(const char* word);

} // namespace textpull
