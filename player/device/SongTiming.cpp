#include "SongTiming.h"

#include <algorithm>
#include <array>
#include <optional>

namespace player {
namespace {

class Reader {
public:
    Reader(const unsigned char* data, size_t size) : data_(data), size_(size) {}

    bool atEnd() const { return pos_ >= size_; }
    size_t left() const { return size_ - pos_; }
    std::optional<unsigned> byte() {
        if (atEnd())
            return std::nullopt;
        return data_[pos_++];
    }
    std::optional<uint32_t> be(int bytes) {
        if (left() < static_cast<size_t>(bytes))
            return std::nullopt;
        uint32_t v = 0;
        for (int i = 0; i < bytes; ++i)
            v = (v << 8) | data_[pos_++];
        return v;
    }
    // Variable-length quantity of at most four bytes.
    std::optional<uint32_t> varLen() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            auto b = byte();
            if (!b)
                return std::nullopt;
            v = (v << 7) | (*b & 0x7F);
            if ((*b & 0x80) == 0)
                return v;
        }
        return std::nullopt;
    }
    bool skip(size_t n) {
        if (left() < n)
            return false;
        pos_ += n;
        return true;
    }
    // A reader of the next n bytes, which this one then passes over.
    Reader take(size_t n) {
        Reader part(data_ + pos_, n);
        pos_ += n;
        return part;
    }
    bool tagIs(const char* tag) {
        if (left() < 4 || !std::equal(tag, tag + 4, data_ + pos_))
            return false;
        pos_ += 4;
        return true;
    }

private:
    const unsigned char* data_;
    size_t size_;
    size_t pos_ = 0;
};

void notePreset(std::vector<PresetUse>& presets, PresetUse use) {
    if (std::find(presets.begin(), presets.end(), use) == presets.end())
        presets.push_back(use);
}

// Ticks to the end of one track body, noting its program changes; no value when it is
// cut short or malformed.
std::optional<int64_t> trackEnd(Reader track, std::vector<PresetUse>& presets) {
    int64_t tick = 0;
    unsigned running = 0;
    std::array<uint8_t, 16> bank{};
    while (!track.atEnd()) {
        auto delta = track.varLen();
        auto first = delta ? track.byte() : std::nullopt;
        if (!first)
            return std::nullopt;
        tick += *delta;
        unsigned status = *first;
        if (status == 0xFF) {
            auto type = track.byte();
            auto len = type ? track.varLen() : std::nullopt;
            if (!len || !track.skip(*len))
                return std::nullopt;
            if (*type == 0x2F)
                return tick;
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {
            auto len = track.varLen();
            if (!len || !track.skip(*len))
                return std::nullopt;
            continue;
        }
        const bool runningStatus = status < 0x80;
        if (runningStatus) {
            if (running == 0)
                return std::nullopt;
            status = running;
        } else if (status < 0xF0) {
            running = status;
        } else {
            return std::nullopt;
        }
        const unsigned kind = status & 0xF0;
        const size_t dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
        std::array<unsigned, 2> data{*first, 0};
        for (size_t i = runningStatus ? 1 : 0; i < dataBytes; ++i) {
            auto b = track.byte();
            if (!b)
                return std::nullopt;
            data[i] = *b;
        }
        const unsigned channel = status & 0x0F;
        if (kind == 0xB0 && data[0] == 0)
            bank[channel] = static_cast<uint8_t>(data[1] & 0x7F);
        else if (kind == 0xC0)
            notePreset(presets, {static_cast<uint8_t>(channel), bank[channel],
                                 static_cast<uint8_t>(data[0] & 0x7F)});
    }
    return tick;
}

} // namespace

std::variant<SongTiming, std::string> readSongTiming(const std::vector<unsigned char>& file) {
    Reader in(file.data(), file.size());
    if (!in.tagIs("MThd"))
        return std::string();
    auto headerLength = in.be(4);
    auto format = in.be(2);
    auto tracks = in.be(2);
    auto division = in.be(2);
    if (!headerLength || !format || !tracks || !division || *headerLength < 6 || *format > 2 ||
        *tracks == 0 || !in.skip(*headerLength - 6))
        return std::string();
    // Time-code divisions count frames, not beats: there are no sixteenth notes to report.
    if (*division == 0 || (*division & 0x8000) != 0)
        return std::string();

    SongTiming timing;
    timing.division = static_cast<int32_t>(*division);
    for (uint32_t found = 0; found < *tracks;) {
        const bool isTrack = in.tagIs("MTrk");
        if (!isTrack && !in.skip(4)) // a chunk of another kind is passed over
            return std::string();
        auto length = in.be(4);
        if (!length || in.left() < *length)
            return std::string();
        Reader body = in.take(*length);
        if (!isTrack)
            continue;
        auto end = trackEnd(body, timing.presets);
        if (!end)
            return std::string();
        timing.endTick = std::max(timing.endTick, *end);
        ++found;
    }
    return timing;
}

} // namespace player
