#pragma once
// Walks a Standard MIDI File event by event, without trusting any chunk length: tracks end
// only at an end-of-track event, and a byte no event form explains is passed over outside
// the lyric track (the third). Only the lyric track is reported.
#include "ErrorChannel.h"
#include "ReaderNotices.h"
#include "RunResult.h"
#include "SongStream.h"

#include <cstdint>
#include <optional>

namespace textpull {

class SongReader {
public:
    SongReader(SongStream& song, ErrorChannel& errors, ReaderNotices& notices)
        : song_(song), errors_(errors), notices_(notices) {}

    // True when the song begins with "MThd"; the position is then after the tag, else at
    // the start again.
    bool FindMThd();
    // Success when the format is 1, Failure when it is not (the message is written and the
    // division still reported), Abort for a division above 65500.
    RunResult GetMidiHeader();
    RunResult WalkTracks();
    // A variable-length quantity of at most four bytes; no value after a fourth byte with
    // its top bit set, which aborts the run (the message is written).
    std::optional<uint32_t> GetDtTime();

private:
    enum class Trial { Matched, NoMatch, Abort };

    bool FindMTrk();
    bool MatchTag(const char (&tag)[5]);
    Trial TryEventForms();
    Trial TakeMetaEvent();
    Trial TakeNote();

    SongStream& song_;
    ErrorChannel& errors_;
    ReaderNotices& notices_;

    uint32_t DivVal = 0;
    int16_t TrackNo = 0;
    bool InLyricTrack = false;
    uint32_t lTime = 0;
    bool NewTrack = true;
    bool ReadDelta = true;
};

} // namespace textpull
