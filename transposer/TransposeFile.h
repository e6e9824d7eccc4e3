#pragma once

namespace notebend {

// One whole transposition, as the player's dialog asks for it: creates "Error2.msg" and
// "Input.bin" afresh in the current folder (mode 0600; a link or file of that name is
// replaced, never written through) and copies the song at path into "Input.bin" with its
// notes shifted by steps half steps (-6..6). Returns 0, or -1 after writing why into
// "Error2.msg". Keeps nothing between calls; path stays the caller's and may be null.
int transposeFile(int steps, const char* path);

} // namespace notebend
