#pragma once
// Turns the reader's notices into "Input0.dat" (the division line, then one record
// "tttttt|text" per lyric-track event, records separated by CR LF) and "Input0.str" (the
// lyric track's text, a new line before each text that begins with a slash or backslash).
#include "ByteFile.h"
#include "ErrorChannel.h"
#include "ReaderNotices.h"

namespace textpull {

class FirstPassWriter : public ReaderNotices {
public:
    FirstPassWriter(ByteFile& records, ByteFile& text, ErrorChannel& errors)
        : records_(records), text_(text), errors_(errors) {}

    void PutDivision(uint32_t DivVal) override;
    bool PutEventTime(uint32_t lTime) override;
    void PutMetaByte(uint32_t index, unsigned char byte) override;

private:
    ByteFile& records_;
    ByteFile& text_;
    ErrorChannel& errors_;
    bool FirstRecord = true;
};

} // namespace textpull
