#pragma once
#include "ByteSink.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace notebend {

// Copies a Standard MIDI File (format 0 or 1) byte for byte, with the key of every note-on
// and note-off shifted by steps half steps except on channel 9. Chunk lengths decide where a
// track ends. A single read at or past the end of the song gives 255 and does not move on;
// the data of a meta event or of an over-long header is copied only as far as the song goes.
// The caller keeps steps within -6..6.
class SongCopier {
public:
    static constexpr size_t defaultBlockSize = 64 * 1024;
    static constexpr size_t minBlockSize = 64;

    // The copy goes to sink, which must outlive the copier, in blocks of blockSize bytes
    // (at least minBlockSize) or single writes of longer data. The bytes do not depend on it.
    SongCopier(std::span<const unsigned char> song, int steps, ByteSink& sink,
               size_t blockSize = defaultBlockSize);

    // Copies the whole song, or as far as it can. Returns the message for "Error2.msg" on
    // failure, an empty text when the song was copied whole. The sink has every byte by then.
    std::string run();

private:
    enum class Track { Copied, SongEnded, Failed };

    bool copyHeader();
    Track copyTrack();
    bool copyEvents(uint64_t end); // while the input is before end
    uint32_t copyBigEndian(int byteCount);
    void copyAvailable(uint64_t count);
    bool fail(std::string message);
    bool copyGrewTooLarge() const;

    unsigned char read() { return pos_ < size_ ? data_[pos_++] : 255; }
    void put(unsigned char byte) {
        if (used_ == blockSize_)
            flush();
        block_[used_++] = static_cast<char8_t>(byte);
    }
    void putBytes(const unsigned char* bytes, size_t count);
    void flush();
    void handOver(const unsigned char* bytes, size_t count); // straight to the sink
    unsigned char copy() {
        const unsigned char byte = read();
        put(byte);
        return byte;
    }

    const unsigned char* data_;
    size_t size_;
    size_t pos_ = 0; // never beyond size_
    int steps_;
    ByteSink& sink_;
    const size_t blockSize_;
    // Output not yet handed to the sink. char8_t, unlike unsigned char, may not alias the
    // copier's own fields, so a key stored here does not force them to be reloaded.
    std::unique_ptr<char8_t[]> block_;
    size_t used_ = 0;
    uint64_t handedOver_ = 0; // bytes already given to the sink
    std::string error_;
    unsigned runningType_ = 0; // high four bits of the last channel status; 0 before any
    unsigned runningChannel_ = 0;
    int32_t balance_ = 0; // note-ons minus note-offs of the current track
};

} // namespace notebend
