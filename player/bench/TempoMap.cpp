#include "TempoMap.h"

namespace {

class Bytes {
public:
    Bytes(const std::vector<unsigned char>& data, size_t at, size_t end)
        : data_(data), at_(at), end_(end) {}
    bool more() const { return at_ < end_; }
    unsigned char next() { return at_ < end_ ? data_[at_++] : 0; }
    uint32_t varLen() {
        uint32_t value = 0;
        for (int i = 0; i < 4 && more(); ++i) {
            const unsigned char b = next();
            value = (value << 7) | (b & 0x7F);
            if ((b & 0x80) == 0)
                break;
        }
        return value;
    }
    void skip(uint32_t n) { at_ = std::min(end_, at_ + n); }

private:
    const std::vector<unsigned char>& data_;
    size_t at_;
    size_t end_;
};

uint32_t be(const std::vector<unsigned char>& d, size_t at, int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i)
        v = (v << 8) | d[at + static_cast<size_t>(i)];
    return v;
}

} // namespace

std::optional<TempoMap> TempoMap::read(const std::vector<unsigned char>& file) {
    if (file.size() < 14 || std::string(file.begin(), file.begin() + 4) != "MThd")
        return std::nullopt;
    TempoMap map;
    map.division_ = static_cast<int32_t>(be(file, 12, 2));
    if (map.division_ <= 0 || map.division_ >= 0x8000)
        return std::nullopt;
    size_t at = 8 + be(file, 4, 4);
    while (at + 8 <= file.size()) {
        const size_t end = std::min(file.size(), at + 8 + be(file, at + 4, 4));
        if (std::string(file.begin() + static_cast<long>(at),
                        file.begin() + static_cast<long>(at) + 4) == "MTrk") {
            Bytes track(file, at + 8, end);
            int64_t tick = 0;
            unsigned char status = 0;
            while (track.more()) {
                tick += track.varLen();
                const unsigned char first = track.next();
                if (first == 0xFF) {
                    const unsigned char type = track.next();
                    const uint32_t length = track.varLen();
                    if (type == 0x51 && length == 3) {
                        const uint32_t a = track.next(), b = track.next(), c = track.next();
                        map.tempi_[tick] = (a << 16) | (b << 8) | c;
                    } else {
                        track.skip(length);
                    }
                    if (type == 0x2F)
                        break;
                    continue;
                }
                if (first == 0xF0 || first == 0xF7) {
                    track.skip(track.varLen());
                    continue;
                }
                // Under running status the byte just read was already the first data byte.
                const bool running = (first & 0x80) == 0;
                if (!running)
                    status = first;
                const unsigned char kind = status & 0xF0;
                const uint32_t dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
                track.skip(running ? dataBytes - 1 : dataBytes);
            }
        }
        at = end;
    }
    return map;
}

double TempoMap::milliseconds(int64_t tick) const {
    double ms = 0;
    int64_t at = 0;
    uint32_t tempo = 500000;
    for (const auto& [changeTick, changeTempo] : tempi_) {
        if (changeTick >= tick)
            break;
        ms += static_cast<double>(changeTick - at) * tempo / division_ / 1000.0;
        at = changeTick;
        tempo = changeTempo;
    }
    return ms + static_cast<double>(tick - at) * tempo / division_ / 1000.0;
}
