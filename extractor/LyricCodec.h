#pragma once
// The byte form of every lyric file: the values 32 to 255, taken as a ring of 224, moved
// 16 steps forward. Control bytes (CR and LF among them) stay as they are, so an encoded
// file still splits into lines without decoding.

namespace textpull {

constexpr unsigned char EncodeChar(unsigned char plain) {
    if (plain < 32)
        return plain;
    if (plain < 240)
        return static_cast<unsigned char>(plain + 16);
    return static_cast<unsigned char>(plain - 208);
}

constexpr unsigned char DecodeChar(unsigned char stored) {
    if (stored < 32)
        return stored;
    if (stored >= 48)
        return static_cast<unsigned char>(stored - 16);
    return static_cast<unsigned char>(stored + 208);
}

} // namespace textpull
