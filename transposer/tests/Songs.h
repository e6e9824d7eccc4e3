#pragma once
// Fixture helpers for the transposer's tests: whole songs around a few events, and the copy
// of such a song.
#include "ByteSink.h"
#include "MidiBuilder.h"
#include "SongCopier.h"

#include <cstdint>
#include <string>

namespace notebend::test {

using testkit::Bytes;
using testkit::MidiBuilder;
using testkit::TrackBuilder;

// A format 1 song of one track: the given events (delta times included), then end of track.
inline Bytes oneTrackSong(const Bytes& events, uint16_t format = 1) {
    return MidiBuilder(format).track(TrackBuilder().bytes(events).endOfTrack()).build();
}

struct CopyResult {
    Bytes output;      // the copy as far as it got
    std::string error; // empty when the song was copied whole
    bool ok() const { return error.empty(); }
};

// Both block sizes, for tests that hold for any.
constexpr size_t blockSizes[] = {SongCopier::defaultBlockSize, SongCopier::minBlockSize};

inline CopyResult copySong(const Bytes& song, int steps,
                           size_t blockSize = SongCopier::defaultBlockSize) {
    MemorySink sink;
    std::string error = SongCopier(song, steps, sink, blockSize).run();
    return {sink.bytes(), std::move(error)};
}

} // namespace notebend::test
