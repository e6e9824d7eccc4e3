#pragma once
// Fixture helpers for the transposer's tests: whole songs around a few events, and the copy
// of such a song.
#include "MidiBuilder.h"
#include "SongCopier.h"

#include <cstdint>

namespace notebend::test {

using testkit::Bytes;
using testkit::MidiBuilder;
using testkit::TrackBuilder;

// A format 1 song of one track: the given events (delta times included), then end of track.
inline Bytes oneTrackSong(const Bytes& events, uint16_t format = 1) {
    return MidiBuilder(format).track(TrackBuilder().bytes(events).endOfTrack()).build();
}

inline CopyResult copySong(const Bytes& song, int steps) {
    return SongCopier(song, steps).run();
}

} // namespace notebend::test
