// Any bytes at all: the first byte picks a shift of -6..6 and a small block size. The copy
// ends with its output or one message and never reads outside the song. The shift may change
// only key bytes, by exactly the shift and within 0..127, and neither the shift nor the block
// size may change how the song is read.
#include "SongCopier.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

namespace {

struct Copy {
    std::vector<unsigned char> bytes;
    std::string error;
};

Copy copy(std::span<const unsigned char> song, int steps, size_t blockSize) {
    notebend::MemorySink sink;
    std::string error = notebend::SongCopier(song, steps, sink, blockSize).run();
    return {sink.bytes(), std::move(error)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const int steps = data[0] % 13 - 6;
    const size_t smallBlock = notebend::SongCopier::minBlockSize + data[0] / 13 * 8u;
    // The song in a buffer of its own size, so ASan sees any read past its last byte.
    const std::vector<unsigned char> song(data + 1, data + size);
    const Copy plain = copy(song, 0, notebend::SongCopier::defaultBlockSize);
    const Copy inSmallBlocks = copy(song, 0, smallBlock);
    if (inSmallBlocks.bytes != plain.bytes || inSmallBlocks.error != plain.error)
        std::abort();
    const Copy shifted = copy(song, steps, notebend::SongCopier::defaultBlockSize);
    if (shifted.error != plain.error || shifted.bytes.size() != plain.bytes.size())
        std::abort();
    for (size_t i = 0; i < plain.bytes.size(); ++i) {
        const int from = plain.bytes[i];
        const int to = shifted.bytes[i];
        if (to != from && (to != from + steps || from > 127 || to < 0 || to > 127))
            std::abort();
    }
    return 0;
}
