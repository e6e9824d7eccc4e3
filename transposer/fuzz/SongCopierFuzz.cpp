// Any bytes at all, with a shift of -6..6 taken from the first byte: the copy ends with its
// output or one message and never reads outside the song. The shift may change only key
// bytes, by exactly the shift and within 0..127, and never how the song is read.
#include "SongCopier.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const int steps = data[0] % 13 - 6;
    // The song in a buffer of its own size, so ASan sees any read past its last byte.
    const std::vector<unsigned char> song(data + 1, data + size);
    notebend::MemorySink shifted;
    notebend::MemorySink plain;
    const std::string shiftedError = notebend::SongCopier(song, steps, shifted).run();
    const std::string plainError = notebend::SongCopier(song, 0, plain).run();
    if (shiftedError != plainError || shifted.bytes().size() != plain.bytes().size())
        std::abort();
    for (size_t i = 0; i < plain.bytes().size(); ++i) {
        const int from = plain.bytes()[i];
        const int to = shifted.bytes()[i];
        if (to != from && (to != from + steps || from > 127 || to < 0 || to > 127))
            std::abort();
    }
    return 0;
}
