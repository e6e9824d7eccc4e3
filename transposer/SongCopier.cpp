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
// The most one event reads byte by byte: a four-byte delta time, 0xFF, the type and a
// four-byte length. Each event starts with that much of the window left.
constexpr ptrdiff_t eventRoom = 16;
static_assert(2 * eventRoom <= SongCopier::minBlockSize);
// A sound song's copy is as long as the song, give or take the 255s read at its end. Only
// chunk lengths that lead back into data already copied make it longer, and a chain of
// them would copy the rest of the song once per chunk: a few kilobytes could fill a disk.
constexpr uint64_t copySlack = 64 * 1024;

} // namespace

SongCopier::SongCopier(std::span<const unsigned char> song, int steps, ByteSink& sink,
                       size_t blockSize)
    : data_(song.data()), size_(song.size()), steps_(steps), sink_(sink),
      blockSize_(std::max(blockSize, minBlockSize)),
      block_(std::make_unique<char8_t[]>(blockSize_)) {}

std::string SongCopier::run() {
    if (copyHeader()) {
        for (;;) {
            if (copyGrewTooLarge()) {
                fail(messages::overlappingChunks());
                break;
            }
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
    flush();
    return std::move(error_);
}

bool SongCopier::fail(std::string message) {
    error_ = std::move(message);
    return false;
}

bool SongCopier::copyGrewTooLarge() const {
    return handedOver_ + used_ > 2 * uint64_t{size_} + copySlack;
}

bool SongCopier::copyHeader() {
    const bool tagged = size_ >= 4 && std::memcmp(data_, headerTag, 4) == 0;
    pos_ = std::min<size_t>(4, size_);
    if (!tagged)
        return fail(messages::invalidHeader());
    putBytes(headerTag, sizeof headerTag);
    const uint32_t length = copyBigEndian(4);
    const uint32_t format = copyBigEndian(2);
    if (format != 0 && format != 1)
        return fail(messages::unknownFileType(format));
    copyBigEndian(2); // track count
    copyBigEndian(2); // division
    // A length with its top bit set is no length, as for track chunks: the tracks follow.
    if (length > 6 && length < 0x80000000u)
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
    putBytes(trackTag, sizeof trackTag);
    const uint32_t length = copyBigEndian(4);
    // Unsigned: a length with its top bit set states an end past any song, never one before
    // the chunk, so every chunk starts at least 8 bytes after the one before.
    const uint64_t end = uint64_t{start} + 8 + length;
    if (length != 0 && length < 0x80000000u && !copyEvents(end))
        return Track::Failed;
    // An event that ran over the stated end has been copied whole; the next chunk still
    // starts where this one says it ends.
    pos_ = static_cast<size_t>(std::min<uint64_t>(end, size_));
    return Track::Copied;
}

bool SongCopier::copyEvents(uint64_t end) {
    // The copy of the events is the song's own bytes with some keys changed. So a window of
    // the song goes into the block as it is, the events are read from the song, and only a
    // changed key is written, at its place in the block. Single reads at the end of the song
    // give 255s, which follow the window. The hot state lives in locals so that it can stay
    // in registers.
    const unsigned char* in = data_ + pos_;
    const unsigned char* const songEnd = data_ + size_;
    const unsigned char* windowStart = in;
    const unsigned char* windowEnd = in;
    char8_t* const block = block_.get();
    unsigned pastEnd = 0; // 255s read at the end of the song, not yet in the block
    int32_t balance = balance_;
    unsigned runningType = runningType_;
    unsigned runningChannel = runningChannel_;

    auto openWindow = [&] {
        flush();
        windowStart = in;
        windowEnd = in + std::min<size_t>(blockSize_, static_cast<size_t>(songEnd - in));
        std::memcpy(block, in, static_cast<size_t>(windowEnd - in));
    };
    // Hands the window up to upTo, and any 255s, to the block; the state goes back to the
    // members.
    auto closeWindow = [&](const unsigned char* upTo) {
        used_ = static_cast<size_t>(upTo - windowStart);
        for (; pastEnd > 0; --pastEnd)
            put(255);
        pos_ = static_cast<size_t>(in - data_);
        balance_ = balance;
        runningType_ = runningType;
        runningChannel_ = runningChannel;
    };
    auto failWith = [&](const unsigned char* upTo, std::string message) {
        closeWindow(upTo);
        return fail(std::move(message));
    };
    auto read = [&]() -> unsigned char {
        if (in < songEnd)
            return *in++;
        ++pastEnd;
        return 255;
    };
    auto readVarLen = [&](uint32_t& value) {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            const unsigned char byte = read();
            value = (value << 7) | (byte & 0x7Fu);
            if (byte < 0x80)
                return true;
        }
        return false;
    };
    // key is the byte just read; a 255 read past the end is never a key to shift.
    auto copyNote = [&](bool noteOn, unsigned channel, unsigned char key) {
        if (channel != percussionChannel) {
            const unsigned char shifted = shiftKey(key, steps_);
            if (shifted != key)
                block[in - 1 - windowStart] = static_cast<char8_t>(shifted);
        }
        const unsigned char velocity = read();
        balance += (noteOn && velocity != 0) ? 1 : -1;
    };
    // Data that may run past the window: what lies beyond goes straight to the sink.
    auto skipData = [&](uint64_t count) {
        const unsigned char* const target =
            in + std::min<uint64_t>(count, static_cast<uint64_t>(songEnd - in));
        if (target <= windowEnd) {
            in = target;
            return;
        }
        used_ = static_cast<size_t>(windowEnd - windowStart);
        flush();
        handOver(windowEnd, static_cast<size_t>(target - windowEnd));
        in = target;
        openWindow();
    };

    openWindow();
    while (static_cast<uint64_t>(in - data_) < end) {
        if (windowEnd - in < eventRoom && windowEnd != songEnd) {
            closeWindow(in);
            openWindow();
        }
        if (uint32_t delta = 0; !readVarLen(delta))
            return failWith(in, messages::varLenTooLong());
        const unsigned char first = read();
        if (first < 0x80) {
            // Running status: first is the first data byte under the last channel status.
            switch (runningType) {
            case 0x80:
            case 0x90:
                copyNote(runningType == 0x90, runningChannel, first);
                break;
            case 0xA0:
            case 0xB0:
            case 0xE0:
                read();
                break;
            case 0xC0:
            case 0xD0:
                break;
            default: // the copy stops before this byte
                return failWith(in - 1, messages::noRunningStatus(runningType));
            }
            continue;
        }
        const unsigned type = first & 0xF0u;
        if (type != 0xF0) {
            runningType = type;
            runningChannel = first & 0x0Fu;
        }
        switch (type) {
        case 0x80:
        case 0x90:
            copyNote(type == 0x90, runningChannel, read());
            break;
        case 0xA0:
        case 0xB0:
        case 0xE0:
            read();
            read();
            break;
        case 0xC0:
        case 0xD0:
            read();
            break;
        default: // system messages leave the running status as it is
            switch (first) {
            case 0xF0: {
                // The length after 0xF0 is not trusted; the message ends at the next 0xF7.
                const void* found = std::memchr(in, sysexEnd, static_cast<size_t>(songEnd - in));
                if (!found) {
                    skipData(static_cast<uint64_t>(songEnd - in));
                    return failWith(in, messages::sysexNotClosed());
                }
                skipData(static_cast<uint64_t>(static_cast<const unsigned char*>(found) - in) + 1);
                break;
            }
            case 0xF1:
            case 0xF3:
                read();
                break;
            case 0xF2:
                read();
                read();
                break;
            case 0xFF: {
                read(); // type
                uint32_t length = 0;
                if (!readVarLen(length))
                    return failWith(in, messages::varLenTooLong());
                skipData(length);
                break;
            }
            default: // 0xF4 to 0xFE, a lone 0xF7 among them: the status byte is the event
                break;
            }
        }
    }
    closeWindow(in);
    return true;
}

uint32_t SongCopier::copyBigEndian(int byteCount) {
    uint32_t value = 0;
    for (int i = 0; i < byteCount; ++i)
        value = (value << 8) | copy();
    return value;
}

void SongCopier::copyAvailable(uint64_t count) {
    const size_t taken = static_cast<size_t>(std::min<uint64_t>(count, size_ - pos_));
    putBytes(data_ + pos_, taken);
    pos_ += taken;
}

void SongCopier::putBytes(const unsigned char* bytes, size_t count) {
    if (count > blockSize_ - used_) {
        flush();
        if (count >= blockSize_) {
            handOver(bytes, count);
            return;
        }
    }
    std::memcpy(block_.get() + used_, bytes, count);
    used_ += count;
}

void SongCopier::flush() {
    if (used_ > 0)
        handOver(reinterpret_cast<const unsigned char*>(block_.get()), used_);
    used_ = 0;
}

void SongCopier::handOver(const unsigned char* bytes, size_t count) {
    sink_.write(bytes, count);
    handedOver_ += count;
}

} // namespace notebend
