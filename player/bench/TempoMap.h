#pragma once
// Milliseconds from the start of a Standard MIDI File to each of its ticks, from the tempo
// changes of all its tracks (120 beats a minute until the first one).
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

class TempoMap {
public:
    // No value when the bytes are no Standard MIDI File with a tick division.
    static std::optional<TempoMap> read(const std::vector<unsigned char>& file);

    double milliseconds(int64_t tick) const;

private:
    int32_t division_ = 480;
    std::map<int64_t, uint32_t> tempi_; // tick -> microseconds per quarter note
};
