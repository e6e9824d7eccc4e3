#pragma once
// The interface of libnotebend.so. The player loads the library by name and binds these
// two functions by their C names (ELF has no ordinals: Tunerun stands for 1, Transpose
// for 2).
#include "notebend_export.h"

#ifdef __cplusplus
extern "C" {
#endif

// Runs the program "Tunerun" from the current folder (then PATH) with the arguments "/2"
// and "input.mid" and waits for it. The argument is ignored. Returns its exit code, or -1
// when it cannot be started or does not exit normally.
NOTEBEND_EXPORT int Tunerun(int ignored);

// Copies the song at path into "Input.bin" in the current folder with every note shifted
// by steps half steps (-6..6), the percussion channel (9, counted from 0) untouched.
// Returns 0, or -1 with the reason in "Error2.msg" (created at every call). path stays the
// caller's; nothing is kept between calls.
NOTEBEND_EXPORT int Transpose(int steps, const char* path);

#ifdef __cplusplus
}
#endif
