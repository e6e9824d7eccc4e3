#pragma once
// Builds Standard MIDI File bytes in test code, so every fixture shows in the test what it
// holds. Lengths are computed unless a test overrides them to build a broken file.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace testkit {

using Bytes = std::vector<unsigned char>;

inline Bytes varLen(uint32_t value) {
    Bytes out{static_cast<unsigned char>(value & 0x7F)};
    while (value >>= 7)
        out.insert(out.begin(), static_cast<unsigned char>(0x80 | (value & 0x7F)));
    return out;
}

inline void append(Bytes& to, const Bytes& more) { to.insert(to.end(), more.begin(), more.end()); }

inline Bytes be16(uint16_t v) { return {static_cast<unsigned char>(v >> 8), static_cast<unsigned char>(v)}; }
inline Bytes be32(uint32_t v) {
    return {static_cast<unsigned char>(v >> 24), static_cast<unsigned char>(v >> 16),
            static_cast<unsigned char>(v >> 8), static_cast<unsigned char>(v)};
}

// One track chunk's body, written event by event with explicit delta times.
class TrackBuilder {
public:
    // Raw event bytes after a delta time: lets a test write running status or junk.
    TrackBuilder& raw(uint32_t delta, const Bytes& bytes) {
        append(body_, varLen(delta));
        append(body_, bytes);
        return *this;
    }
    // Bytes with no delta time in front, for building deliberately broken tracks.
    TrackBuilder& bytes(const Bytes& bytes) {
        append(body_, bytes);
        return *this;
    }
    TrackBuilder& meta(uint32_t delta, unsigned char type, const std::string& data) {
        Bytes ev{0xFF, type};
        append(ev, varLen(static_cast<uint32_t>(data.size())));
        ev.insert(ev.end(), data.begin(), data.end());
        return raw(delta, ev);
    }
    TrackBuilder& text(uint32_t delta, const std::string& s) { return meta(delta, 0x01, s); }
    TrackBuilder& lyric(uint32_t delta, const std::string& s) { return meta(delta, 0x05, s); }
    TrackBuilder& trackName(uint32_t delta, const std::string& s) { return meta(delta, 0x03, s); }
    TrackBuilder& tempo(uint32_t delta, uint32_t microsPerQuarter) {
        return raw(delta, {0xFF, 0x51, 0x03, static_cast<unsigned char>(microsPerQuarter >> 16),
                           static_cast<unsigned char>(microsPerQuarter >> 8),
                           static_cast<unsigned char>(microsPerQuarter)});
    }
    TrackBuilder& timeSignature(uint32_t delta, unsigned char num, unsigned char denPow) {
        return raw(delta, {0xFF, 0x58, 0x04, num, denPow, 24, 8});
    }
    TrackBuilder& keySignature(uint32_t delta, signed char sf, unsigned char minor) {
        return raw(delta, {0xFF, 0x59, 0x02, static_cast<unsigned char>(sf), minor});
    }
    TrackBuilder& noteOn(uint32_t delta, int channel, int key, int velocity) {
        return raw(delta, {static_cast<unsigned char>(0x90 | channel), static_cast<unsigned char>(key),
                           static_cast<unsigned char>(velocity)});
    }
    TrackBuilder& noteOff(uint32_t delta, int channel, int key, int velocity = 64) {
        return raw(delta, {static_cast<unsigned char>(0x80 | channel), static_cast<unsigned char>(key),
                           static_cast<unsigned char>(velocity)});
    }
    TrackBuilder& program(uint32_t delta, int channel, int program) {
        return raw(delta, {static_cast<unsigned char>(0xC0 | channel), static_cast<unsigned char>(program)});
    }
    TrackBuilder& controller(uint32_t delta, int channel, int number, int value) {
        return raw(delta, {static_cast<unsigned char>(0xB0 | channel), static_cast<unsigned char>(number),
                           static_cast<unsigned char>(value)});
    }
    TrackBuilder& sysex(uint32_t delta, const Bytes& data) {
        Bytes ev{0xF0};
        append(ev, varLen(static_cast<uint32_t>(data.size())));
        append(ev, data);
        return raw(delta, ev);
    }
    TrackBuilder& endOfTrack(uint32_t delta = 0) { return raw(delta, {0xFF, 0x2F, 0x00}); }

    const Bytes& body() const { return body_; }

private:
    Bytes body_;
};

// A whole file: header chunk plus track chunks, each with its true length unless told otherwise.
class MidiBuilder {
public:
    explicit MidiBuilder(uint16_t format = 1, uint16_t division = 480) : format_(format), division_(division) {}

    MidiBuilder& track(const TrackBuilder& t, std::optional<uint32_t> lengthOverride = {}) {
        append(tracks_, {'M', 'T', 'r', 'k'});
        append(tracks_, be32(lengthOverride.value_or(static_cast<uint32_t>(t.body().size()))));
        append(tracks_, t.body());
        ++trackCount_;
        return *this;
    }
    // Bytes after the last chunk, for trailing-garbage cases.
    MidiBuilder& trailing(const Bytes& b) {
        append(tracks_, b);
        return *this;
    }
    MidiBuilder& headerLength(uint32_t length) {
        headerLength_ = length;
        return *this;
    }
    MidiBuilder& trackCount(uint16_t count) {
        trackCountOverride_ = count;
        return *this;
    }

    Bytes build() const {
        Bytes out{'M', 'T', 'h', 'd'};
        append(out, be32(headerLength_));
        append(out, be16(format_));
        append(out, be16(trackCountOverride_.value_or(trackCount_)));
        append(out, be16(division_));
        append(out, tracks_);
        return out;
    }

private:
    uint16_t format_;
    uint16_t division_;
    uint32_t headerLength_ = 6;
    uint16_t trackCount_ = 0;
    std::optional<uint16_t> trackCountOverride_;
    Bytes tracks_;
};

} // namespace testkit
