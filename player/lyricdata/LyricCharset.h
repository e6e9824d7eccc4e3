#pragma once
// The lyric files' byte encoding: byte values 32 to 255 taken as a ring of 224 values,
// stored 16 steps forward. Codes below 32 (CR and LF among them) never change, so files
// can be split into lines before they are decoded.
#include <cstdint>
#include <string>

namespace player {

// Decodes one code: 0..31 unchanged, 32..47 -> 240..255, 48..255 -> 32..239. Any other
// value is returned unchanged.
int16_t ConvertCh0(int16_t InChB);

// Encodes one code, the inverse of ConvertCh0.
int16_t ConvertCh1(int16_t InChB);

// Mode 0 decodes every byte in place, any other mode encodes. The string holds bytes, so
// every code is within 0..255.
void ConvertStr(std::string& InputStr, int32_t Mode);

} // namespace player
