// Each way a copy fails: the message it leaves for "Error2.msg", and the copy as far as it
// got, which the caller must not play.
#include "Songs.h"

#include <gtest/gtest.h>

namespace notebend::test {
namespace {

Bytes bytesOf(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

Bytes concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes firstBytes(const Bytes& song, size_t count) {
    return Bytes(song.begin(), song.begin() + count);
}

// A song of one track whose events are the given bytes exactly, with a true chunk length.
Bytes bareTrackSong(const Bytes& events) {
    return MidiBuilder().track(TrackBuilder().bytes(events)).build();
}

struct FailureCase {
    const char* name;
    Bytes song;
    std::string message;
    Bytes output; // "Input.bin" as far as the copy got
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class CopyFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(CopyFailure, StopsWithItsMessage) {
    const FailureCase& c = GetParam();
    for (size_t blockSize : blockSizes) {
        const CopyResult result = copySong(c.song, 0, blockSize);
        EXPECT_EQ(result.error, c.message) << "blocks of " << blockSize;
        EXPECT_EQ(result.output, c.output) << "blocks of " << blockSize;
    }
}

const Bytes unbalanced = oneTrackSong({0x00, 0x90, 60, 100});
const Bytes twoOffs = oneTrackSong({0x00, 0x90, 60, 100, 0x00, 0x90, 60, 0, 0x00, 0x80, 60, 0});
const Bytes drumSounding = oneTrackSong({0x00, 0x99, 36, 100});
const Bytes runningFirst = oneTrackSong({0x00, 60, 100});
const Bytes secondTrackRunning =
    MidiBuilder()
        .track(TrackBuilder().noteOn(0, 0, 60, 100).noteOff(10, 0, 60).endOfTrack())
        .track(TrackBuilder().raw(0, {60, 100}).endOfTrack())
        .build();
const Bytes longDelta = oneTrackSong({0x81, 0x81, 0x81, 0x81, 0x00, 0x90, 60, 100});
const Bytes longMetaLength = oneTrackSong({0x00, 0xFF, 0x01, 0x81, 0x81, 0x81, 0x81, 0x00});
const Bytes openSysex = bareTrackSong({0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01});
const Bytes good = oneTrackSong({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 64});
const Bytes withJunk = concat(good, bytesOf("RIFF"));
// The first track says it is two bytes shorter than it is: the next chunk is looked for in
// the middle of its end-of-track event.
const Bytes shortFirstChunk =
    MidiBuilder()
        .track(TrackBuilder().noteOn(0, 0, 60, 100).noteOff(10, 0, 60).endOfTrack(), 9)
        .track(TrackBuilder().endOfTrack())
        .build();
const Bytes longLastChunk = MidiBuilder().track(TrackBuilder().endOfTrack(), 14).build();
const Bytes cutInNote = bareTrackSong({0x00, 0x90, 60});

// clang-format off
const FailureCase failureCases[] = {
    {"EmptySong", {}, "Invalid file's description", {}},
    {"NoHeaderTag", bytesOf("RIFF\0\0\0\6\0\1\0\1\1\xE0"), "Invalid file's description", {}},
    {"ShortHeaderTag", bytesOf("MTh"), "Invalid file's description", {}},
    {"FormatTwo", MidiBuilder(2).track(TrackBuilder().endOfTrack()).build(), "Unknown File Type 2.",
     bytesOf(std::string("MThd\0\0\0\6\0\2", 10))},
    {"FormatReadPastTheEnd", bytesOf(std::string("MThd\0\0\0\6", 8)), "Unknown File Type 65535.",
     bytesOf(std::string("MThd\0\0\0\6\xFF\xFF", 10))},
    {"RunningStatusBeforeAnyChannelMessage", runningFirst, "\n=>GlSt Error: 00 (000)",
     firstBytes(runningFirst, 14 + 8 + 1)},
    {"RunningTypeStartsAfreshInEachTrack", secondTrackRunning, "\n=>GlSt Error: 00 (000)",
     firstBytes(secondTrackRunning, 14 + 8 + 12 + 8 + 1)},
    {"NoteLeftSounding", unbalanced, "\nTranspose error: 1", unbalanced},
    {"VelocityZeroCountsAsNoteOff", twoOffs, "\nTranspose error: -1", twoOffs},
    {"DrumNotesCountInTheBalance", drumSounding, "\nTranspose error: 1", drumSounding},
    {"DeltaTimeOfFiveBytes", longDelta, "Error Common GetDtTime.\n",
     firstBytes(longDelta, 14 + 8 + 4)},
    {"MetaLengthOfFiveBytes", longMetaLength, "Error Common GetDtTime.\n",
     firstBytes(longMetaLength, 14 + 8 + 7)},
    {"SystemExclusiveNeverClosed", openSysex, "Error: EOF while finding 0xF7", openSysex},
    {"FourBytesAfterTheLastTrackThatAreNoTrack", withJunk,
     std::to_string(good.size() + 1) + ": MTrk not found.", good},
    {"ChunkLengthEndingInsideAnEvent", shortFirstChunk, "32: MTrk not found.",
     firstBytes(shortFirstChunk, 14 + 8 + 12)},
    // The song ends before the stated end: bytes read there are 255, and four of them make
    // a delta time that is too long.
    {"ChunkLengthPastTheEndOfTheSong", longLastChunk, "Error Common GetDtTime.\n",
     concat(longLastChunk, {0xFF, 0xFF, 0xFF, 0xFF})},
    {"SongCutInsideANote", cutInNote, "\nTranspose error: 1", concat(cutInNote, {0xFF})},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, CopyFailure, testing::ValuesIn(failureCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace notebend::test
