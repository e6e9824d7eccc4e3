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

SongCopier::SongCopier(std::span<const unsigned char> song, int steps, ByteSink& sink)
    : data_(song.data()), size_(song.size()), steps_(steps), sink_(sink),
      block_(std::make_unique<char8_t[]>(blockSize)) {}

std::string SongCopier::run() {
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
    flush();
    return std::move(error_);
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
    putBytes(headerTag, sizeof headerTag);
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
    // The hot state lives in locals so that it can stay in registers; it goes back to the
    // members before anything that uses them (block copies, flushes, failures) and is
    // picked up again after.
    const unsigned char* in = data_ + pos_;
    const unsigned char* const songEnd = data_ + size_;
    char8_t* out = block_.get() + used_;
    int32_t balance = balance_;
    unsigned runningType = runningType_;
    unsigned runningChannel = runningChannel_;
    auto store = [&] {
        pos_ = static_cast<size_t>(in - data_);
        used_ = static_cast<size_t>(out - block_.get());
        balance_ = balance;
        runningType_ = runningType;
        runningChannel_ = runningChannel;
    };
    auto load = [&] {
        in = data_ + pos_;
        out = block_.get() + used_;
    };
    auto read = [&]() -> unsigned char { return in < songEnd ? *in++ : 255; };
    auto put = [&](unsigned char byte) { *out++ = static_cast<char8_t>(byte); };
    auto copy = [&] {
        const unsigned char byte = read();
        put(byte);
        return byte;
    };
    auto copyVarLen = [&](uint32_t& value) {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            const unsigned char byte = copy();
            value = (value << 7) | (byte & 0x7Fu);
            if (byte < 0x80)
                return true;
        }
        return false;
    };
    auto copyNote = [&](bool noteOn, unsigned channel, unsigned char key) {
        put(channel == percussionChannel ? key : shiftKey(key, steps_));
        const unsigned char velocity = copy();
        balance += (noteOn && velocity != 0) ? 1 : -1;
    };
    auto failWith = [&](std::string message) {
        store();
        return fail(std::move(message));
    };

    // The most one event writes byte by byte: a four-byte delta time, 0xFF, the type and a
    // four-byte length. Longer data goes through copyAvailable.
    constexpr ptrdiff_t eventRoom = 16;
    while (static_cast<uint64_t>(in - data_) < end) {
        if (block_.get() + blockSize - out < eventRoom) {
            store();
            flush();
            load();
        }
        uint32_t value = 0;
        if (!copyVarLen(value))
            return failWith(messages::varLenTooLong());
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
                put(first);
                copy();
                break;
            case 0xC0:
            case 0xD0:
                put(first);
                break;
            default:
                return failWith(messages::noRunningStatus(runningType));
            }
            continue;
        }
        put(first);
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
            copy();
            copy();
            break;
        case 0xC0:
        case 0xD0:
            copy();
            break;
        default: // system messages leave the running status as it is
            switch (first) {
            case 0xF0:
                store();
                if (!copySysex())
                    return false;
                load();
                break;
            case 0xF1:
            case 0xF3:
                copy();
                break;
            case 0xF2:
                copy();
                copy();
                break;
            case 0xFF:
                copy(); // type
                if (!copyVarLen(value))
                    return failWith(messages::varLenTooLong());
                store();
                copyAvailable(value);
                load();
                break;
            default: // 0xF4 to 0xFE, a lone 0xF7 among them: the status byte is the event
                break;
            }
        }
    }
    store();
    return true;
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
    if (count > blockSize - used_) {
        flush();
        if (count >= blockSize) {
            sink_.write(bytes, count);
            return;
        }
    }
    std::memcpy(block_.get() + used_, bytes, count);
    used_ += count;
}

void SongCopier::flush() {
    if (used_ > 0)
        sink_.write(reinterpret_cast<const unsigned char*>(block_.get()), used_);
    used_ = 0;
}

} // namespace notebend
