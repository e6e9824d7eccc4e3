#include "SongReader.h"

namespace textpull {

bool SongReader::MatchTag(const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i)
        if (song_.ReadByte() != static_cast<unsigned char>(tag[i]))
            return false;
    return true;
}

bool SongReader::FindMThd() {
    const int64_t start = song_.Position();
    if (MatchTag("MThd"))
        return true;
    song_.Seek(start);
    return false;
}

RunResult SongReader::GetMidiHeader() {
    const auto read16 = [this] {
        const unsigned high = song_.ReadByte();
        return static_cast<uint16_t>(high << 8 | song_.ReadByte());
    };
    song_.Skip(4); // the header length: the body is always taken as six bytes
    const uint16_t format = read16();
    if (format != 1)
        errors_.ReportError("Midi format = %d", format);
    song_.Skip(2); // the track count, which the walk does not need
    DivVal = read16();
    if (DivVal > 65500) {
        errors_.ReportError("DivVal is out of range %u.", DivVal);
        return RunResult::Abort;
    }
    notices_.PutDivision(DivVal);
    return format == 1 ? RunResult::Success : RunResult::Failure;
}

std::optional<uint32_t> SongReader::GetDtTime() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        const unsigned char b = song_.ReadByte();
        value = value << 7 | (b & 0x7F);
        if (b < 128)
            return value;
    }
    errors_.ReportError("Error Common GetDtTime.");
    return std::nullopt;
}

bool SongReader::FindMTrk() {
    if (!MatchTag("MTrk"))
        return false;
    ++TrackNo;
    if (TrackNo >= 3)
        InLyricTrack = true;
    song_.Skip(4); // the chunk length: a track ends at its end-of-track event only
    return true;
}

RunResult SongReader::WalkTracks() {
    while (song_.Position() < song_.Size()) {
        if (NewTrack) {
            NewTrack = false;
            lTime = 0;
            if (!FindMTrk()) {
                errors_.ReportError("No Track Found.");
                return RunResult::Failure;
            }
        }
        if (TrackNo > 3)
            return RunResult::Success;
        if (ReadDelta) {
            const auto delta = GetDtTime();
            if (!delta)
                return RunResult::Abort;
            lTime += *delta;
            if (InLyricTrack && !notices_.PutEventTime(lTime))
                return RunResult::Failure;
        }
        const int64_t start = song_.Position();
        const Trial trial = TryEventForms();
        if (trial == Trial::Abort)
            return RunResult::Abort;
        if (trial == Trial::Matched) {
            ReadDelta = true;
            continue;
        }
        if (InLyricTrack) {
            errors_.ReportError("Cannot understand this song.");
            return RunResult::Failure;
        }
        song_.Seek(start + 1);
        ReadDelta = false;
    }
    return RunResult::Success;
}

SongReader::Trial SongReader::TryEventForms() {
    const unsigned char status = song_.ReadByte();
    if (status == 240 || status == 247) {
        const auto length = GetDtTime();
        if (!length)
            return Trial::Abort;
        song_.Skip(*length);
        return Trial::Matched;
    }
    if (status == 255)
        return TakeMetaEvent();
    switch (status >> 4) {
    case 12: // program change
    case 13: // channel pressure
        song_.Skip(1);
        return Trial::Matched;
    case 11: // control change
    case 14: // pitch bend
        song_.Skip(2);
        return Trial::Matched;
    case 8: // note off
    case 9: // note on
        return TakeNote();
    default:
        return Trial::NoMatch;
    }
}

SongReader::Trial SongReader::TakeNote() {
    const unsigned char key = song_.ReadByte();
    const unsigned char velocity = song_.ReadByte();
    return key < 128 && velocity < 128 ? Trial::Matched : Trial::NoMatch;
}

SongReader::Trial SongReader::TakeMetaEvent() {
    const int64_t typeAt = song_.Position();
    const unsigned char type = song_.ReadByte();
    const unsigned char length = song_.ReadByte();
    if (type == 47 && length == 0) {
        NewTrack = true;
        return Trial::Matched;
    }
    if (type == 88 && length == 4) {
        song_.Skip(4);
        return Trial::Matched;
    }
    if (type == 89 && length == 2) {
        song_.Skip(2);
        return Trial::Matched;
    }
    // Any other meta event carries text as far as the lyric files go, tempo included.
    song_.Seek(typeAt + 1);
    const auto dataLength = GetDtTime();
    if (!dataLength)
        return Trial::Abort;
    if (!InLyricTrack) {
        song_.Skip(*dataLength);
        return Trial::Matched;
    }
    // A length running past the end yields only the bytes the song holds: a few bytes of a
    // cut song must not become hundreds of megabytes of lyric files.
    for (uint32_t index = 0; index < *dataLength && song_.Position() < song_.Size(); ++index)
        notices_.PutMetaByte(index, song_.ReadByte());
    return Trial::Matched;
}

} // namespace textpull
