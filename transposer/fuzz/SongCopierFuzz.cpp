// Any bytes at all, with a shift of -6..6 taken from the first byte: the copy ends with its
// output or one message and never reads outside the song. The shift may change only key
// bytes, by exactly the shift and within 0..127, and never how the song is read.
#include "SongCopier.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const int steps = data[0] % 13 - 6;
    // The song in a buffer of its own size, so ASan sees any read past its last byte.
    const std::vector<unsigned char> song(data + 1, data + size);
    const notebend::CopyResult shifted = notebend::SongCopier(song, steps).run();
    const notebend::CopyResult plain = notebend::SongCopier(song, 0).run();
    if (shifted.error != plain.error || shifted.output.size() != plain.output.size())
        std::abort();
    for (size_t i = 0; i < plain.output.size(); ++i) {
        const int from = plain.output[i];
        const int to = shifted.output[i];
        if (to != from && (to != from + steps || from > 127 || to < 0 || to > 127))
            std::abort();
    }
    return 0;
}
