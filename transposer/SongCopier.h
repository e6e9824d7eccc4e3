#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace notebend {

using Bytes = std::vector<unsigned char>;

// What one copy produced: the bytes for "Input.bin" as far as the copy got, and on failure
// the message for "Error2.msg".
struct CopyResult {
    Bytes output;
    std::string error; // empty when the whole song was copied
    bool ok() const { return error.empty(); }
};

// Copies a Standard MIDI File (format 0 or 1) byte for byte, with the key of every note-on
// and note-off shifted by steps half steps except on channel 9. Chunk lengths decide where a
// track ends. A single read at or past the end of the song gives 255 and does not move on;
// the data of a meta event or of an over-long header is copied only as far as the song goes.
// The caller keeps steps within -6..6.
class SongCopier {
public:
    SongCopier(std::span<const unsigned char> song, int steps);

    CopyResult run();

private:
    enum class Track { Copied, SongEnded, Failed };

    bool copyHeader();
    Track copyTrack();
    bool copyEvent();
    bool copyRunningStatus(unsigned char first);
    bool copySystemMessage(unsigned char status);
    bool copySysex();
    bool copyMeta();
    bool copyVarLen(uint32_t& value);
    void copyNote(bool noteOn, unsigned channel, unsigned char key);
    uint32_t copyBigEndian(int byteCount);
    void copyAvailable(uint64_t count);
    bool fail(std::string message);

    unsigned char read() { return pos_ < size_ ? data_[pos_++] : 255; }
    void put(unsigned char byte) { out_.push_back(byte); }
    unsigned char copy() {
        const unsigned char byte = read();
        put(byte);
        return byte;
    }

    const unsigned char* data_;
    size_t size_;
    size_t pos_ = 0; // never beyond size_
    int steps_;
    Bytes out_;
    std::string error_;
    unsigned runningType_ = 0; // high four bits of the last channel status; 0 before any
    unsigned runningChannel_ = 0;
    int32_t balance_ = 0; // note-ons minus note-offs of the current track
};

} // namespace notebend
