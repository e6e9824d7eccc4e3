#include "SongReader.h"

#include "ErrorChannel.h"
#include "MidiBuilder.h"
#include "SongStream.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using namespace textpull;
using testkit::Bytes;
using testkit::MidiBuilder;
using testkit::TrackBuilder;

namespace {

// The notices as one line: "D480" for the division, then " t:text" for each event.
class RecordingNotices : public ReaderNotices {
public:
    void PutDivision(uint32_t DivVal) override { log += "D" + std::to_string(DivVal); }
    bool PutEventTime(uint32_t lTime) override {
        log += " " + std::to_string(lTime) + ":";
        nextIndex_ = 0;
        return true;
    }
    void PutMetaByte(uint32_t index, unsigned char byte) override {
        EXPECT_EQ(index, nextIndex_++) << "indexes count from 0 within the event";
        log += static_cast<char>(byte);
    }
    std::string log;

private:
    uint32_t nextIndex_ = 0;
};

struct Walked {
    bool foundHeader = false;
    RunResult header = RunResult::Failure;
    RunResult walk = RunResult::Failure;
    std::string notices;
    std::string errors;
};

Walked Walk(const Bytes& song) {
    testkit::TempDir dir;
    testkit::writeBytes(dir / "Input.sng", song);
    Walked out;
    {
        SongStream stream;
        EXPECT_TRUE(stream.Open(dir / "Input.sng"));
        ErrorChannel errors;
        EXPECT_TRUE(errors.Create(dir / "Error1.msg"));
        RecordingNotices notices;
        SongReader reader(stream, errors, notices);
        out.foundHeader = reader.FindMThd();
        if (out.foundHeader) {
            out.header = reader.GetMidiHeader();
            if (out.header != RunResult::Abort)
                out.walk = reader.WalkTracks();
        }
        out.notices = notices.log;
    }
    out.errors = testkit::readText(dir / "Error1.msg");
    return out;
}

TrackBuilder ConductorTrack() {
    return TrackBuilder().tempo(0, 500000).timeSignature(0, 4, 2).endOfTrack(0);
}
TrackBuilder MusicTrack() {
    return TrackBuilder().program(0, 0, 5).noteOn(0, 0, 60, 100).noteOff(480, 0, 60).endOfTrack(0);
}
Bytes LyricSong(const TrackBuilder& lyric) {
    return MidiBuilder().track(ConductorTrack()).track(MusicTrack()).track(lyric).build();
}

} // namespace

TEST(SongReader, HeaderChecksTagFormatAndDivision) {
    struct Case {
        const char* name;
        Bytes song;
        bool found;
        RunResult header;
        const char* notices;
        const char* errors;
    };
    const Bytes notMidi = {'R', 'I', 'F', 'F', 0, 0, 0, 4, 'W', 'A', 'V', 'E'};
    const Bytes lowerTag = {'M', 'T', 'h', 'D', 0, 0, 0, 6, 0, 1, 0, 0, 1, 0xE0};
    const Case cases[] = {
        {"no MThd", notMidi, false, RunResult::Failure, "", ""},
        {"tag compared exactly", lowerTag, false, RunResult::Failure, "", ""},
        {"format 1", MidiBuilder(1, 480).build(), true, RunResult::Success, "D480", ""},
        {"format 0 rejected, division still sent", MidiBuilder(0, 96).build(), true,
         RunResult::Failure, "D96", "Midi format = 0"},
        {"format 2 rejected", MidiBuilder(2, 96).build(), true, RunResult::Failure, "D96",
         "Midi format = 2"},
        {"division 0 accepted", MidiBuilder(1, 0).build(), true, RunResult::Success, "D0", ""},
        {"time-code division taken as ticks", MidiBuilder(1, 0xE728).build(), true,
         RunResult::Success, "D59176", ""},
        {"division 65500 passes", MidiBuilder(1, 65500).build(), true, RunResult::Success, "D65500",
         ""},
        {"division 65501 aborts", MidiBuilder(1, 65501).build(), true, RunResult::Abort, "",
         "DivVal is out of range 65501."},
        {"both messages, nothing between", MidiBuilder(0, 65535).build(), true, RunResult::Abort,
         "", "Midi format = 0DivVal is out of range 65535."},
        {"header cut short reads 255s", Bytes{'M', 'T', 'h', 'd', 0, 0}, true, RunResult::Abort, "",
         "Midi format = 65535DivVal is out of range 65535."},
    };
    for (const auto& c : cases) {
        const Walked w = Walk(c.song);
        EXPECT_EQ(w.foundHeader, c.found) << c.name;
        if (c.found) {
            EXPECT_EQ(w.header, c.header) << c.name;
        }
        EXPECT_EQ(w.notices.substr(0, w.notices.find(' ')), c.notices) << c.name;
        EXPECT_EQ(w.errors, c.errors) << c.name;
    }
}

TEST(SongReader, WalkReportsOnlyTheThirdTrack) {
    struct Case {
        const char* name;
        Bytes song;
        RunResult walk;
        const char* notices;
        const char* errors;
    };
    const Case cases[] = {
        {"two tracks: nothing reported", MidiBuilder().track(ConductorTrack()).track(MusicTrack()).build(),
         RunResult::Success, "D480", ""},
        {"every kind of event gets a record; only text-carrying metas give text",
         LyricSong(TrackBuilder()
                       .trackName(0, "Song")
                       .lyric(10, "@TTitle")
                       .text(0, "/Hel")
                       .noteOn(5, 1, 60, 90)
                       .program(0, 1, 3)
                       .controller(0, 1, 7, 100)
                       .raw(0, {0xD1, 0x40})
                       .raw(0, {0xE1, 0x00, 0x40})
                       .noteOff(5, 1, 60)
                       .sysex(0, {0x7E, 0x7F, 0x09, 0x01, 0xF7})
                       .raw(0, {0xF7, 0x01, 0x00})
                       .timeSignature(0, 3, 2)
                       .keySignature(0, -2, 0)
                       .lyric(20, "lo")
                       .endOfTrack(1)),
         RunResult::Success,
         "D480 0:Song 10:@TTitle 10:/Hel 15: 15: 15: 15: 15: 20: 20: 20: 20: 20: 40:lo 41:", ""},
        {"tempo data is reported as text",
         LyricSong(TrackBuilder().tempo(0, 0x414243).endOfTrack(0)), RunResult::Success,
         "D480 0:ABC 0:", ""},
        {"metas of other lengths fall to the text form",
         LyricSong(TrackBuilder()
                       .raw(0, {0xFF, 0x58, 0x03, 'x', 'y', 'z'})
                       .raw(0, {0xFF, 0x59, 0x01, 'k'})
                       .raw(0, {0xFF, 0x2F, 0x01, 'e'})
                       .endOfTrack(0)),
         RunResult::Success, "D480 0:xyz 0:k 0:e 0:", ""},
        {"delta 0 everywhere gives one time",
         LyricSong(TrackBuilder().lyric(0, "a").lyric(0, "b").endOfTrack(0)), RunResult::Success,
         "D480 0:a 0:b 0:", ""},
        {"time starts again at each track",
         MidiBuilder()
             .track(TrackBuilder().endOfTrack(5000))
             .track(TrackBuilder().endOfTrack(7000))
             .track(TrackBuilder().lyric(3, "x").endOfTrack(4))
             .build(),
         RunResult::Success, "D480 3:x 7:", ""},
        {"running status outside the lyric track is passed over",
         MidiBuilder()
             .track(ConductorTrack())
             .track(TrackBuilder().noteOn(0, 0, 60, 90).raw(10, {62, 90}).raw(10, {62, 0}).endOfTrack(0))
             .track(TrackBuilder().lyric(7, "ok").endOfTrack(0))
             .build(),
         RunResult::Success, "D480 7:ok 7:", ""},
        {"a wrong chunk length has no effect",
         MidiBuilder()
             .track(ConductorTrack(), 1)
             .track(MusicTrack(), 0xFFFFFFFF)
             .track(TrackBuilder().lyric(1, "z").endOfTrack(0), 2)
             .build(),
         RunResult::Success, "D480 1:z 1:", ""},
        {"the fourth track header ends the walk",
         MidiBuilder()
             .track(ConductorTrack())
             .track(MusicTrack())
             .track(TrackBuilder().lyric(0, "3").endOfTrack(0))
             .track(TrackBuilder().lyric(0, "4").bytes({0xA0, 0xA0}))
             .trailing({'j', 'u', 'n', 'k'})
             .build(),
         RunResult::Success, "D480 0:3 0:", ""},
        {"running status in the lyric track",
         LyricSong(TrackBuilder().noteOn(0, 0, 60, 90).raw(10, {62, 90}).endOfTrack(0)),
         RunResult::Failure, "D480 0: 10:", "Cannot understand this song."},
        {"polyphonic key pressure in the lyric track",
         LyricSong(TrackBuilder().raw(0, {0xA0, 60, 10}).endOfTrack(0)), RunResult::Failure,
         "D480 0:", "Cannot understand this song."},
        {"note data of 128 or more in the lyric track",
         LyricSong(TrackBuilder().raw(0, {0x90, 60, 0x80}).endOfTrack(0)), RunResult::Failure,
         "D480 0:", "Cannot understand this song."},
        {"system byte in the lyric track",
         LyricSong(TrackBuilder().raw(0, {0xF8}).endOfTrack(0)), RunResult::Failure, "D480 0:",
         "Cannot understand this song."},
        {"bytes after the last track",
         MidiBuilder()
             .track(ConductorTrack())
             .track(MusicTrack())
             .trailing({0, 0, 0, 0})
             .build(),
         RunResult::Failure, "D480", "No Track Found."},
        {"header longer than six bytes",
         MidiBuilder().headerLength(8).trailing({0, 0}).track(ConductorTrack()).build(),
         RunResult::Failure, "D480", "No Track Found."},
        {"song cut inside a delta time",
         [] {
             Bytes song = LyricSong(TrackBuilder().lyric(0, "a").bytes({0x81}));
             return song;
         }(),
         RunResult::Abort, "D480 0:a", "Error Common GetDtTime."},
        {"delta time of five bytes",
         LyricSong(TrackBuilder().bytes({0x81, 0x81, 0x81, 0x81, 0x01, 0xFF, 0x2F, 0x00})),
         RunResult::Abort, "D480", "Error Common GetDtTime."},
        {"meta length of five bytes",
         LyricSong(TrackBuilder().raw(0, {0xFF, 0x01, 0x81, 0x81, 0x81, 0x81, 0x01})),
         RunResult::Abort, "D480 0:", "Error Common GetDtTime."},
        {"system exclusive running past the end is skipped to it",
         LyricSong(TrackBuilder().raw(0, {0xF0, 0xFF, 0xFF, 0x7F, 1, 2, 3})), RunResult::Success,
         "D480 0:", ""},
    };
    for (const auto& c : cases) {
        const Walked w = Walk(c.song);
        ASSERT_EQ(w.header, RunResult::Success) << c.name;
        EXPECT_EQ(w.walk, c.walk) << c.name;
        EXPECT_EQ(w.notices, c.notices) << c.name;
        EXPECT_EQ(w.errors, c.errors) << c.name;
    }
}

// A cut song whose meta length claims up to 268435455 bytes gives the bytes it holds and
// no more; every other read past the end still reads as 255.
TEST(SongReader, MetaDataStopsAtTheEndOfTheSong) {
    struct Case {
        const char* name;
        Bytes tail;
        const char* notices;
    };
    const Case cases[] = {
        {"largest length, three bytes held",
         {0xFF, 0x05, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 'b', 'c'},
         "D480 0:abc"},
        {"one byte short", {0xFF, 0x01, 0x04, 'a', 'b', 'c'}, "D480 0:abc"},
        {"nothing held", {0xFF, 0x01, 0x10}, "D480 0:"},
        {"tempo cut short", {0xFF, 0x51, 0x03, 0x07}, "D480 0:\x07"},
    };
    for (const auto& c : cases) {
        const Walked w = Walk(LyricSong(TrackBuilder().raw(0, c.tail)));
        EXPECT_EQ(w.walk, RunResult::Success) << c.name;
        EXPECT_EQ(w.notices, c.notices) << c.name;
        EXPECT_EQ(w.errors, "") << c.name;
    }
}

TEST(SongReader, GetDtTimeReadsAtMostFourBytes) {
    struct Case {
        Bytes bytes;
        std::optional<uint32_t> value;
    };
    const Case cases[] = {
        {{0x00}, 0},
        {{0x7F}, 127},
        {{0x81, 0x00}, 128},
        {{0xC0, 0x80, 0x00}, 1048576},
        {{0xFF, 0xFF, 0xFF, 0x7F}, 268435455},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0x01}, std::nullopt},
        {{0x81}, std::nullopt}, // the missing bytes read as 255
    };
    for (const auto& c : cases) {
        testkit::TempDir dir;
        testkit::writeBytes(dir / "Input.sng", c.bytes);
        SongStream stream;
        ASSERT_TRUE(stream.Open(dir / "Input.sng"));
        ErrorChannel errors;
        ASSERT_TRUE(errors.Create(dir / "Error1.msg"));
        RecordingNotices notices;
        SongReader reader(stream, errors, notices);
        EXPECT_EQ(reader.GetDtTime(), c.value) << "first byte " << unsigned(c.bytes[0]);
        errors.Close();
        EXPECT_EQ(testkit::readText(dir / "Error1.msg"), c.value ? "" : "Error Common GetDtTime.");
    }
}
