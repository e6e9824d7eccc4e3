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

struct TrackRead {
    int64_t endTick = 0;
    size_t goodBytes = 0;    // the body up to the end of its last whole event
    bool endOfTrack = false; // the end-of-track event is among them
    bool hasEvents = false;  // anything besides the end of the track
};

// Reads one track body as far as it makes sense, noting its program changes: a body cut
// short, or one that turns to garbage, ends at its last whole event.
TrackRead readTrack(const unsigned char* data, size_t size, std::vector<PresetUse>& presets) {
    TrackRead read;
    Reader track(data, size);
    int64_t tick = 0;
    unsigned running = 0;
    std::array<uint8_t, 16> bank{};
    auto keep = [&] {
        read.goodBytes = size - track.left();
        read.endTick = tick;
    };
    while (!track.atEnd()) {
        auto delta = track.varLen();
        auto first = delta ? track.byte() : std::nullopt;
        if (!first)
            return read;
        tick += *delta;
        unsigned status = *first;
        if (status == 0xFF) {
            auto type = track.byte();
            auto len = type ? track.varLen() : std::nullopt;
            if (!len || !track.skip(*len))
                return read;
            if (*type == 0x2F) {
                read.endOfTrack = true;
                keep();
                return read;
            }
            read.hasEvents = true;
            keep();
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {
            auto len = track.varLen();
            if (!len || !track.skip(*len))
                return read;
            read.hasEvents = true;
            keep();
            continue;
        }
        const bool runningStatus = status < 0x80;
        if (runningStatus) {
            if (running == 0)
                return read;
            status = running;
        } else if (status < 0xF0) {
            running = status;
        } else {
            return read;
        }
        const unsigned kind = status & 0xF0;
        const size_t dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
        std::array<unsigned, 2> value{*first, 0};
        for (size_t i = runningStatus ? 1 : 0; i < dataBytes; ++i) {
            auto b = track.byte();
            if (!b)
                return read;
            value[i] = *b;
        }
        const unsigned channel = status & 0x0F;
        if (kind == 0xB0 && value[0] == 0)
            bank[channel] = static_cast<uint8_t>(value[1] & 0x7F);
        else if (kind == 0xC0)
            notePreset(presets, {static_cast<uint8_t>(channel), bank[channel],
                                 static_cast<uint8_t>(value[0] & 0x7F)});
        read.hasEvents = true;
        keep();
    }
    return read;
}

void putBigEndian(std::vector<unsigned char>& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

} // namespace

// Songs in the wild end in all sorts of ways: bytes after the last track, a last track cut
// short, a chunk length that runs past the end of the file. The extractor reads what is
// there, and so does the player: each track is kept up to its last whole event and closed
// with an end-of-track event, and FluidSynth gets that clean copy. Only a song with no
// event to play at all is refused.
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
    std::vector<unsigned char> body;
    uint32_t found = 0;
    bool anyEvents = false;
    while (found < *tracks && in.left() >= 8) {
        const bool isTrack = in.tagIs("MTrk");
        if (!isTrack)
            in.skip(4); // a chunk of another kind is passed over
        const uint32_t length = *in.be(4);
        const size_t present = std::min<size_t>(length, in.left());
        const unsigned char* start = file.data() + (file.size() - in.left());
        in.skip(present);
        if (!isTrack)
            continue;
        const TrackRead read = readTrack(start, present, timing.presets);
        timing.endTick = std::max(timing.endTick, read.endTick);
        anyEvents = anyEvents || read.hasEvents;
        const std::array<unsigned char, 4> endOfTrack{0x00, 0xFF, 0x2F, 0x00};
        const size_t written = read.goodBytes + (read.endOfTrack ? 0 : endOfTrack.size());
        body.insert(body.end(), {'M', 'T', 'r', 'k'});
        putBigEndian(body, static_cast<uint32_t>(written), 4);
        body.insert(body.end(), start, start + read.goodBytes);
        if (!read.endOfTrack)
            body.insert(body.end(), endOfTrack.begin(), endOfTrack.end());
        ++found;
    }
    if (found == 0 || !anyEvents)
        return std::string();
    timing.playable = {'M', 'T', 'h', 'd', 0, 0, 0, 6};
    putBigEndian(timing.playable, *format, 2);
    putBigEndian(timing.playable, found, 2);
    putBigEndian(timing.playable, *division, 2);
    timing.playable.insert(timing.playable.end(), body.begin(), body.end());
    return timing;
}

} // namespace player
