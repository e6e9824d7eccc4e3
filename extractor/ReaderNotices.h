#pragma once
// What the song reader hands on about the lyric track, in stream order.
#include <cstdint>

namespace textpull {

class ReaderNotices {
public:
    virtual ~ReaderNotices() = default;
    // Once, with the header's division, whatever the format.
    virtual void PutDivision(uint32_t DivVal) = 0;
    // Before each event of the lyric track, with its time in ticks from the track's start.
    // False fails the walk; the message has been written.
    virtual bool PutEventTime(uint32_t lTime) = 0;
    // Each data byte of a text-carrying meta event of the lyric track, with its index
    // within the event.
    virtual void PutMetaByte(uint32_t index, unsigned char byte) = 0;
};

} // namespace textpull
