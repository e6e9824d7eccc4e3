// Properties over generated songs that use every event form, running status included, with
// keys that stay in range for any shift of -6..6.
#include "Songs.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

namespace notebend::test {
namespace {

struct GeneratedSong {
    Bytes bytes;
    std::set<size_t> keyOffsets; // where the keys of notes outside channel 9 are
};

class SongGenerator {
public:
    // maxEvents per track; longest data of a meta event.
    SongGenerator(unsigned seed, int maxEvents, int maxText)
        : random_(seed), maxEvents_(maxEvents), maxText_(maxText) {}

    GeneratedSong song() {
        const int trackCount = pick(1, 4);
        MidiBuilder builder(trackCount == 1 ? pick(0, 1) : 1, static_cast<uint16_t>(pick(24, 960)));
        GeneratedSong out;
        size_t trackStart = 14;
        for (int t = 0; t < trackCount; ++t) {
            const TrackBuilder track = this->track(out.keyOffsets, trackStart + 8);
            builder.track(track);
            trackStart += 8 + track.body().size();
        }
        out.bytes = builder.build();
        return out;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    unsigned char data() { return static_cast<unsigned char>(pick(0, 127)); }

    TrackBuilder track(std::set<size_t>& keyOffsets, size_t bodyStart) {
        TrackBuilder track;
        std::vector<std::pair<int, int>> sounding; // channel, key
        int lastStatus = 0;
        auto channelEvent = [&](int status, Bytes dataBytes, int keyIndex) {
            const bool running = status == lastStatus && pick(0, 1) == 1;
            Bytes event = dataBytes;
            if (!running)
                event.insert(event.begin(), static_cast<unsigned char>(status));
            // after a one-byte delta time and the status byte, if any
            if (keyIndex >= 0 && (status & 0x0F) != 9)
                keyOffsets.insert(bodyStart + track.body().size() + (running ? 1 : 2) +
                                  static_cast<size_t>(keyIndex));
            track.raw(0, event);
            lastStatus = status;
        };
        const int events = pick(0, maxEvents_);
        for (int i = 0; i < events; ++i) {
            const int channel = pick(0, 15);
            switch (pick(0, 9)) {
            case 0:
            case 1: {
                const int key = pick(6, 121);
                channelEvent(
                    0x90 | channel,
                    {static_cast<unsigned char>(key), static_cast<unsigned char>(pick(1, 127))}, 0);
                sounding.emplace_back(channel, key);
                break;
            }
            case 2:
                if (!sounding.empty()) {
                    const size_t n =
                        static_cast<size_t>(pick(0, static_cast<int>(sounding.size()) - 1));
                    const auto [ch, key] = sounding[n];
                    sounding.erase(sounding.begin() + static_cast<long>(n));
                    const bool asNoteOn = pick(0, 1) == 1;
                    channelEvent((asNoteOn ? 0x90 : 0x80) | ch,
                                 {static_cast<unsigned char>(key),
                                  static_cast<unsigned char>(asNoteOn ? 0 : pick(0, 127))},
                                 0);
                }
                break;
            case 3:
                channelEvent(0xA0 | channel, {data(), data()}, -1);
                break;
            case 4:
                channelEvent((pick(0, 1) ? 0xB0 : 0xE0) | channel, {data(), data()}, -1);
                break;
            case 5:
                channelEvent((pick(0, 1) ? 0xC0 : 0xD0) | channel, {data()}, -1);
                break;
            case 6:
                track.raw(static_cast<uint32_t>(pick(0, 20000)), {0xFF, 0x05, 0x02, data(), 0x90})
                    .text(0, std::string(static_cast<size_t>(pick(0, maxText_)), '\x90'));
                break;
            case 7:
                track.raw(0, {0xF0, 0x03, 0x90, data(), 0x80, 0xF7});
                break;
            case 8:
                track.raw(0, {0xF2, data(), data()}).raw(0, {0xF1, data()}).raw(0, {0xF8});
                break;
            default:
                track.tempo(0, static_cast<uint32_t>(pick(100000, 1000000)));
                break;
            }
        }
        for (const auto& [ch, key] : sounding)
            channelEvent(0x80 | ch, {static_cast<unsigned char>(key), 0x40}, 0);
        return track.endOfTrack();
    }

    std::mt19937 random_;
    int maxEvents_;
    int maxText_;
};

// Many small songs, and two larger than a block.
std::vector<GeneratedSong> generatedSongs() {
    std::vector<GeneratedSong> songs;
    SongGenerator small(20260101, 60, 8);
    for (int i = 0; i < 60; ++i)
        songs.push_back(small.song());
    SongGenerator large(20260102, 20000, 300);
    for (int i = 0; i < 2; ++i)
        songs.push_back(large.song());
    return songs;
}

const std::vector<GeneratedSong> songs = generatedSongs();

TEST(Properties, ShiftZeroGivesAByteIdenticalCopy) {
    for (const GeneratedSong& song : songs) {
        for (size_t blockSize : blockSizes) {
            const CopyResult result = copySong(song.bytes, 0, blockSize);
            ASSERT_TRUE(result.ok()) << result.error;
            ASSERT_EQ(result.output, song.bytes) << "blocks of " << blockSize;
        }
    }
}

TEST(Properties, ShiftingBackRestoresTheSong) {
    for (const GeneratedSong& song : songs) {
        for (int k = -6; k <= 6; ++k) {
            const CopyResult there = copySong(song.bytes, k);
            ASSERT_TRUE(there.ok()) << there.error;
            const CopyResult back = copySong(there.output, -k);
            ASSERT_TRUE(back.ok()) << back.error;
            ASSERT_EQ(back.output, song.bytes) << "shift " << k;
        }
    }
}

TEST(Properties, OnlyTheKeysOfNotesOutsideChannel9Change) {
    for (const GeneratedSong& song : songs) {
        for (int k : {-6, -1, 1, 6}) {
            const CopyResult result = copySong(song.bytes, k, SongCopier::minBlockSize);
            ASSERT_TRUE(result.ok()) << result.error;
            ASSERT_EQ(result.output.size(), song.bytes.size());
            for (size_t i = 0; i < song.bytes.size(); ++i) {
                const int expected = song.keyOffsets.count(i) ? song.bytes[i] + k : song.bytes[i];
                ASSERT_EQ(result.output[i], expected) << "byte " << i << ", shift " << k;
            }
        }
    }
}

} // namespace
} // namespace notebend::test
