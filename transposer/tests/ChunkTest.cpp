// Chunk lengths decide where tracks end and where the next chunk is looked for; the copy
// still succeeds where those lengths lead somewhere sensible.
#include "Songs.h"

#include <gtest/gtest.h>

namespace notebend::test {
namespace {

Bytes concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TrackBuilder melody(int key) {
    return TrackBuilder().noteOn(0, 0, key, 100).noteOff(96, 0, key).endOfTrack();
}

struct ChunkCase {
    const char* name;
    Bytes song;
    Bytes expected; // the copy with steps 0
};

void PrintTo(const ChunkCase& c, std::ostream* os) {
    *os << c.name;
}

class ChunkLayout : public testing::TestWithParam<ChunkCase> {};

TEST_P(ChunkLayout, IsCopiedAsItsLengthsSay) {
    const ChunkCase& c = GetParam();
    for (size_t blockSize : blockSizes) {
        const CopyResult result = copySong(c.song, 0, blockSize);
        ASSERT_TRUE(result.ok()) << result.error;
        EXPECT_EQ(result.output, c.expected) << "blocks of " << blockSize;
    }
}

const Bytes twoTracks = MidiBuilder().track(melody(60)).track(melody(64)).build();
const Bytes lastChunkOneShort = MidiBuilder().track(melody(60)).track(melody(64), 11).build();
const Bytes emptyChunkFirst = MidiBuilder().track(TrackBuilder()).track(melody(60)).build();
const Bytes longHeader = MidiBuilder().headerLength(9).trailing({0xAA, 0xBB, 0xCC}).build();
const Bytes zeroHeaderLength = MidiBuilder().headerLength(0).track(melody(60)).build();
// The header says it runs far past the song: its data is copied as far as the song goes.
const Bytes headerTopBitLength = MidiBuilder().headerLength(0x80000006u).track(melody(60)).build();
const Bytes headerPastTheEnd = MidiBuilder().headerLength(0x7FFFFFFF).track(melody(60)).build();
// A meta event whose length runs past the end of the song: copied as far as the song goes,
// with nothing made up for the rest.
const Bytes metaPastTheEnd =
    MidiBuilder().track(TrackBuilder().raw(0, {0xFF, 0x01, 0x64, 'a', 'b', 'c'})).build();
Bytes longSysexData() {
    Bytes data(70000, 0x7E);
    data.push_back(0xF7);
    return data;
}
const Bytes longData = MidiBuilder()
                           .track(TrackBuilder()
                                      .noteOn(0, 0, 60, 100)
                                      .lyric(0, std::string(100000, '\x90'))
                                      .noteOff(0, 0, 60)
                                      .sysex(0, longSysexData())
                                      .endOfTrack())
                           .build();
const Bytes oddHeaderFields = MidiBuilder(0, 0xE728).trackCount(7).track(melody(60)).build();
// A length with its top bit set states an end past any song: its events are not copied and
// the song ends there.
const Bytes topBitLength = MidiBuilder().track(melody(60), 0x80000000u).track(melody(64)).build();

// clang-format off
const ChunkCase chunkCases[] = {
    {"TwoTracks", twoTracks, twoTracks},
    {"HeaderOnly", MidiBuilder().build(), MidiBuilder().build()},
    // The final event runs one byte past the stated end; the input moves back to that end,
    // where too few bytes are left for another chunk.
    {"LastChunkEndingInsideItsFinalEvent", lastChunkOneShort, lastChunkOneShort},
    {"OneByteAfterTheLastTrackIsDropped", concat(twoTracks, {'M'}), twoTracks},
    {"ThreeBytesAfterTheLastTrackAreDropped", concat(twoTracks, {'M', 'T', 'r'}), twoTracks},
    {"EmptyChunkOfLengthZero", emptyChunkFirst, emptyChunkFirst},
    {"HeaderLongerThanSixBytes", longHeader, longHeader},
    {"HeaderLengthBelowSixStillHasSixBytes", zeroHeaderLength, zeroHeaderLength},
    {"HeaderLengthPastTheEndOfTheSong", headerPastTheEnd, headerPastTheEnd},
    {"MetaDataPastTheEndOfTheSong", metaPastTheEnd, metaPastTheEnd},
    {"TrackCountAndDivisionAreCopiedAsTheyAre", oddHeaderFields, oddHeaderFields},
    {"DataLongerThanABlock", longData, longData},
    {"LengthWithTopBitSet", topBitLength, Bytes(topBitLength.begin(), topBitLength.begin() + 22)},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Layouts, ChunkLayout, testing::ValuesIn(chunkCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChunkLayout, EveryTrackIsShifted) {
    const CopyResult result = copySong(twoTracks, 2);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.output, MidiBuilder().track(melody(62)).track(melody(66)).build());
}

TEST(ChunkLayout, TracksAfterAHeaderLengthWithTopBitSetAreShifted) {
    const CopyResult result = copySong(headerTopBitLength, 2);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.output, MidiBuilder().headerLength(0x80000006u).track(melody(62)).build());
}

// Each chunk says it is 8 bytes long, but its one meta event runs to the end of the song,
// so the next chunk lies inside data already copied: every chunk copies the rest again.
Bytes chunksNestedInMetaData(int chunkCount) {
    constexpr uint32_t stride = 16; // chunk header, the meta event's head, one spare byte
    Bytes song = MidiBuilder().build();
    const size_t songSize = song.size() + size_t{stride} * chunkCount;
    for (int i = 0; i < chunkCount; ++i) {
        const size_t dataStart = song.size() + 15;
        const uint32_t dataLength = static_cast<uint32_t>(songSize - dataStart);
        song = concat(song, {'M', 'T', 'r', 'k', 0, 0, 0, stride - 8, 0x00, 0xFF, 0x01,
                             static_cast<unsigned char>(0x80 | (dataLength >> 21)),
                             static_cast<unsigned char>(0x80 | ((dataLength >> 14) & 0x7F)),
                             static_cast<unsigned char>(0x80 | ((dataLength >> 7) & 0x7F)),
                             static_cast<unsigned char>(dataLength & 0x7F), 0x00});
    }
    return song;
}

TEST(ChunkLayout, ChunksThatLeadBackIntoCopiedDataStopBeforeTheCopyBalloons) {
    // A few chunks nested like this stay within bounds and copy as their lengths say.
    const CopyResult few = copySong(chunksNestedInMetaData(8), 0);
    EXPECT_TRUE(few.ok()) << few.error;
    EXPECT_GT(few.output.size(), chunksNestedInMetaData(8).size());

    // Thousands would copy the song thousands of times over.
    const Bytes song = chunksNestedInMetaData(4000);
    for (size_t blockSize : blockSizes) {
        const CopyResult many = copySong(song, 2, blockSize);
        EXPECT_EQ(many.error,
                  "Track chunks overlap: the song's chunk lengths lead back into copied data.\n");
        EXPECT_LE(many.output.size(), 3 * song.size() + 64 * 1024) << "blocks of " << blockSize;
    }
}

} // namespace
} // namespace notebend::test
