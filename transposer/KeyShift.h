#pragma once

namespace notebend {

// The key number a note gets when shifted by steps half steps.
//
// A key that would leave 0..127 keeps its number: the sum written as a byte could be a
// status byte in the middle of the data, and clamping would fold several keys onto one, so
// a note-off would no longer find its note-on. Left alone, the note and its note-off still
// match. A byte of 128 or more is not a key number and is never changed.
inline unsigned char shiftKey(unsigned char key, int steps) {
    const int shifted = key + steps;
    if (key > 127 || shifted < 0 || shifted > 127)
        return key;
    return static_cast<unsigned char>(shifted);
}

} // namespace notebend
