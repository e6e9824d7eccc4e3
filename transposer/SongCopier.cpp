#include "SongCopier.h"

#include "KeyShift.h"
#include "Messages.h"

#include <algorithm>
#include <cstring>

namespace notebend {
namespace {

constexpr unsigned char headerTag[] = {'M', 'T', 'h', 'd'};
constexpr unsigned char trackTag[] = {'M', 'T', 'r', 'k'};
constexpr unsigned percussionChannel = 9;
constexpr unsigned char sysexEnd = 0xF7;

} // namespace

SongCopier::SongCopier(std::span<const unsigned char> song, int steps)
    : data_(song.data()), size_(song.size()), steps_(steps) {}

CopyResult SongCopier::run() {
    // Every output byte stands for one input byte, bar a few 255s read at the very end.
    out_.reserve(size_ + 64);
    if (copyHeader()) {
        for (;;) {
            runningType_ = 0;
            balance_ = 0;
            const Track track = copyTrack();
            if (track == Track::Failed)
                break;
            if (balance_ != 0) {
                fail(messages::unbalancedNotes(balance_));
                break;
            }
            if (track == Track::SongEnded)
                break;
        }
    }
    return {std::move(out_), std::move(error_)};
}

bool SongCopier::fail(std::string message) {
    error_ = std::move(message);
    return false;
}

bool SongCopier::copyHeader() {
    const bool tagged = size_ >= 4 && std::memcmp(data_, headerTag, 4) == 0;
    pos_ = std::min<size_t>(4, size_);
    if (!tagged)
        return fail(messages::invalidHeader());
    out_.insert(out_.end(), std::begin(headerTag), std::end(headerTag));
    const uint32_t length = copyBigEndian(4);
    const uint32_t format = copyBigEndian(2);
    if (format != 0 && format != 1)
        return fail(messages::unknownFileType(format));
    copyBigEndian(2); // track count
    copyBigEndian(2); // division
    if (length > 6)
        copyAvailable(length - 6);
    return true;
}

SongCopier::Track SongCopier::copyTrack() {
    const size_t start = pos_;
    if (size_ - pos_ < 4) {
        pos_ = size_;
        return Track::SongEnded;
    }
    if (std::memcmp(data_ + pos_, trackTag, 4) != 0) {
        fail(messages::trackNotFound(start));
        return Track::Failed;
    }
    pos_ += 4;
    out_.insert(out_.end(), std::begin(trackTag), std::end(trackTag));
    const uint32_t length = copyBigEndian(4);
    // Unsigned: a length with its top bit set states an end past any song, never one before
    // the chunk, so every chunk starts at least 8 bytes after the one before.
    const uint64_t end = uint64_t{start} + 8 + length;
    if (length != 0 && length < 0x80000000u) {
        while (pos_ < end) {
            if (!copyEvent())
                return Track::Failed;
        }
    }
    // An event that ran over the stated end has been copied whole; the next chunk still
    // starts where this one says it ends.
    pos_ = static_cast<size_t>(std::min<uint64_t>(end, size_));
    return Track::Copied;
}

bool SongCopier::copyEvent() {
    uint32_t delta = 0;
    if (!copyVarLen(delta))
        return false;
    const unsigned char first = read();
    if (first < 0x80)
        return copyRunningStatus(first);
    put(first);
    const unsigned type = first & 0xF0u;
    const unsigned channel = first & 0x0Fu;
    switch (type) {
    case 0x80:
    case 0x90:
        runningType_ = type;
        runningChannel_ = channel;
        copyNote(type == 0x90, channel, read());
        return true;
    case 0xA0:
    case 0xB0:
    case 0xE0:
        runningType_ = type;
        runningChannel_ = channel;
        copy();
        copy();
        return true;
    case 0xC0:
    case 0xD0:
        runningType_ = type;
        runningChannel_ = channel;
        copy();
        return true;
    default:
        return copySystemMessage(first);
    }
}

bool SongCopier::copyRunningStatus(unsigned char first) {
    switch (runningType_) {
    case 0x80:
    case 0x90:
        copyNote(runningType_ == 0x90, runningChannel_, first);
        return true;
    case 0xA0:
    case 0xB0:
    case 0xE0:
        put(first);
        copy();
        return true;
    case 0xC0:
    case 0xD0:
        put(first);
        return true;
    default:
        return fail(messages::noRunningStatus(runningType_));
    }
}

void SongCopier::copyNote(bool noteOn, unsigned channel, unsigned char key) {
    put(channel == percussionChannel ? key : shiftKey(key, steps_));
    const unsigned char velocity = copy();
    balance_ += (noteOn && velocity != 0) ? 1 : -1;
}

bool SongCopier::copySystemMessage(unsigned char status) {
    switch (status) {
    case 0xF0:
        return copySysex();
    case 0xF1:
    case 0xF3:
        copy();
        return true;
    case 0xF2:
        copy();
        copy();
        return true;
    case 0xFF:
        return copyMeta();
    default: // 0xF4 to 0xFE, a lone 0xF7 among them: the status byte is the whole event
        return true;
    }
}

bool SongCopier::copySysex() {
    // The length after 0xF0 is not trusted; the message ends at the next 0xF7.
    const void* found = std::memchr(data_ + pos_, sysexEnd, size_ - pos_);
    if (!found) {
        copyAvailable(size_ - pos_);
        return fail(messages::sysexNotClosed());
    }
    copyAvailable(static_cast<const unsigned char*>(found) - (data_ + pos_) + 1);
    return true;
}

bool SongCopier::copyMeta() {
    copy(); // type
    uint32_t length = 0;
    if (!copyVarLen(length))
        return false;
    copyAvailable(length);
    return true;
}

bool SongCopier::copyVarLen(uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
        const unsigned char byte = copy();
        value = (value << 7) | (byte & 0x7Fu);
        if (byte < 0x80)
            return true;
    }
    return fail(messages::varLenTooLong());
}

uint32_t SongCopier::copyBigEndian(int byteCount) {
    uint32_t value = 0;
    for (int i = 0; i < byteCount; ++i)
        value = (value << 8) | copy();
    return value;
}

void SongCopier::copyAvailable(uint64_t count) {
    const size_t taken = static_cast<size_t>(std::min<uint64_t>(count, size_ - pos_));
    out_.insert(out_.end(), data_ + pos_, data_ + pos_ + taken);
    pos_ += taken;
}

} // namespace notebend
