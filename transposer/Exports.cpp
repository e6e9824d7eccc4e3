#include "Spawn.h"
#include "TransposeFile.h"
#include "notebend.h"

// No exception may cross the C boundary: a failure that escapes is the call's -1.

int Tunerun(int) {
    try {
        return platform::runAndWait("Tunerun", {"/2", "input.mid"}, ".");
    } catch (...) {
        return -1;
    }
}

int Transpose(int steps, const char* path) {
    try {
        return notebend::transposeFile(steps, path);
    } catch (...) {
        return -1;
    }
}
