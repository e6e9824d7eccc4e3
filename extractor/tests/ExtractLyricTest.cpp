#include "FileSizeLimit.h"
#include "LyricFiles.h"
#include "SecondPass.h"

#include <gtest/gtest.h>

using namespace textpull;
using namespace textpull::test;
using testkit::Bytes;
using testkit::MidiBuilder;
using testkit::TrackBuilder;

namespace {

Bytes ThreeTracks(const TrackBuilder& lyric, uint16_t division = 480) {
    return MidiBuilder(1, division)
        .track(TrackBuilder().tempo(0, 500000).endOfTrack(0))
        .track(TrackBuilder().noteOn(0, 0, 60, 90).noteOff(480, 0, 60).endOfTrack(0))
        .track(lyric)
        .build();
}

struct Expected {
    RunResult result;
    std::string error;
    std::string dat0, str0, tit, dat, str;
};

void ExpectFiles(const LyricFolder& folder, RunResult result, const Expected& e, const char* name) {
    EXPECT_EQ(result, e.result) << name;
    EXPECT_EQ(folder.Text("Error1.msg"), e.error) << name;
    EXPECT_EQ(folder.Decoded("Input0.dat"), e.dat0) << name;
    EXPECT_EQ(folder.Decoded("Input0.str"), e.str0) << name;
    EXPECT_EQ(folder.Decoded("Input.tit"), e.tit) << name;
    EXPECT_EQ(folder.Decoded("Input.dat"), e.dat) << name;
    EXPECT_EQ(folder.Decoded("Input.str"), e.str) << name;
}

} // namespace

TEST(ExtractLyric, WritesTheFiveLyricFiles) {
    struct Case {
        const char* name;
        Bytes song;
        Expected expected;
    };
    const Case cases[] = {
        {"karaoke song with titles and two lines",
         ThreeTracks(TrackBuilder()
                         .text(0, "@KMIDI KARAOKE FILE")
                         .text(0, "@TMy song")
                         .text(0, "@TSinger")
                         .text(100, "/Hel")
                         .text(10, "lo")
                         .noteOn(0, 1, 60, 90)
                         .text(50, "\\Second")
                         .text(10, " line")
                         .endOfTrack(5)),
         {RunResult::Success, "",
          "480\r\n000000|@KMIDI KARAOKE FILE\r\n000000|@TMy song\r\n000000|@TSinger\r\n"
          "000100|/Hel\r\n000110|lo\r\n000110|\r\n000160|\\Second\r\n000170| line\r\n000175|",
          "@KMIDI KARAOKE FILE@TMy song@TSinger\r\n/Hello\r\n\\Second line",
          "\r\n My song\r\n Singer\r\n\r\n",
          "480\r\n000100|/Hel\r\n000110|lo\r\n000110|\r\n000160|\\Second\r\n000170| "
          "line\r\n000175|",
          "/Hello\r\n\\Second line"}},
        {"zero byte, inner slashes, and a first text that begins a line",
         ThreeTracks(TrackBuilder()
                         .text(0, "/a/b\\c")
                         .text(0, std::string("x\0y", 3))
                         .text(0, "@TLate title")
                         .endOfTrack(0)),
         {RunResult::Success, "",
          "480\r\n000000|/a.b.c\r\n000000|x y\r\n000000|@TLate title\r\n000000|",
          "\r\n/a.b.cx y@TLate title", "",
          "480\r\n000000|/a.b.c\r\n000000|x y\r\n000000|@TLate title\r\n000000|",
          "/a.b.cx y@TLate title"}},
        {"no line start: titles only",
         ThreeTracks(TrackBuilder().text(0, "@TOnly title").lyric(5, "words").endOfTrack(0), 96),
         {RunResult::Success, "", "96\r\n000000|@TOnly title\r\n000005|words\r\n000005|",
          "@TOnly titlewords", "\r\n Only titlewords\r\n", "96\r\n", ""}},
        {"line ends inside a text event",
         ThreeTracks(TrackBuilder().text(0, "/a\rb\nc").endOfTrack(0)),
         {RunResult::Success, "", "480\r\n000000|/a\rb\nc\r\n000000|", "\r\n/a\rb\nc", "",
          "480\r\n000000|/a\rb\nc\r\n000000|", "/a\rb\nc"}},
        {"latest time that fits",
         ThreeTracks(TrackBuilder().lyric(999999, "/x")),
         {RunResult::Success, "", "480\r\n999999|/x", "\r\n/x", "", "480\r\n999999|/x", "/x"}},
        {"fewer than three tracks",
         MidiBuilder(1, 0).track(TrackBuilder().lyric(0, "/no").endOfTrack(0)).build(),
         {RunResult::Success, "", "0\r\n", "", "", "0\r\n", ""}},
        {"time past 999999",
         ThreeTracks(TrackBuilder().lyric(999999, "/x").lyric(1, "y")),
         {RunResult::Failure, "lTime is out of range 1000000.", "480\r\n999999|/x\r\n", "\r\n/x",
          "<none>", "<none>", "<none>"}},
        {"format 0 keeps only the division",
         MidiBuilder(0, 120).track(TrackBuilder().lyric(0, "/x").endOfTrack(0)).build(),
         {RunResult::Failure, "Midi format = 0", "120\r\n", "", "<none>", "120\r\n", "<none>"}},
        {"division out of range",
         MidiBuilder(1, 65501).build(),
         {RunResult::Abort, "DivVal is out of range 65501.", "", "", "<none>", "<none>", "<none>"}},
        {"not a MIDI file",
         Bytes{'R', 'I', 'F', 'F'},
         {RunResult::Failure, "No MThd Found.", "", "", "<none>", "<none>", "<none>"}},
        {"running status in the lyric track",
         ThreeTracks(TrackBuilder().lyric(0, "/a").noteOn(0, 0, 60, 9).raw(1, {60, 0})),
         {RunResult::Failure, "Cannot understand this song.",
          "480\r\n000000|/a\r\n000000|\r\n000001|", "\r\n/a", "<none>", "<none>", "<none>"}},
        // The mend of a cut song: only the two bytes it holds reach the files.
        {"meta length running past the end",
         ThreeTracks(TrackBuilder().raw(0, {0xFF, 0x05, 0xFF, 0xFF, 0xFF, 0x7F, '/', 'z'})),
         {RunResult::Success, "", "480\r\n000000|/z", "\r\n/z", "", "480\r\n000000|/z", "/z"}},
    };
    for (const auto& c : cases) {
        LyricFolder folder;
        folder.WriteSong(c.song);
        const RunResult result = folder.Extract();
        ExpectFiles(folder, result, c.expected, c.name);
    }
}

TEST(ExtractLyric, FilesTheRunDoesNotReachKeepTheirEarlierContent) {
    LyricFolder folder;
    for (const char* name : {"Input.str", "Input.tit"})
        testkit::writeBytes(folder / name, {'o', 'l', 'd'});
    folder.WriteSong(MidiBuilder(2, 480).build());
    EXPECT_EQ(folder.Extract(), RunResult::Failure);
    EXPECT_EQ(folder.Text("Error1.msg"), "Midi format = 2");
    EXPECT_EQ(folder.Text("Input.str"), "old");
    EXPECT_EQ(folder.Text("Input.tit"), "old");
    EXPECT_EQ(folder.Decoded("Input.dat"), "480\r\n");
}

TEST(ExtractLyric, EveryFileThatCannotBeHadIsNamed) {
    struct Case {
        const char* blocked; // made a folder, so it can be neither opened nor created
        const char* error;
    };
    const Case cases[] = {
        {"Input0.dat", "Cannot create Input0.dat."}, {"Input0.str", "Cannot create Input0.str."},
        {"Input.tit", "Cannot create Input.tit."},   {"Input.dat", "Cannot create Input.dat."},
        {"Input.str", "Cannot create Input.str."},
    };
    const Bytes song = ThreeTracks(TrackBuilder().lyric(0, "/la").endOfTrack(0));
    for (const auto& c : cases) {
        LyricFolder folder;
        folder.WriteSong(song);
        std::filesystem::create_directory(folder / c.blocked);
        EXPECT_EQ(folder.Extract(), RunResult::Failure) << c.blocked;
        EXPECT_EQ(folder.Text("Error1.msg"), c.error);
    }
    LyricFolder empty;
    EXPECT_EQ(empty.Extract(), RunResult::Failure);
    EXPECT_EQ(empty.Text("Error1.msg"), "Cannot open Input.sng.");
}

TEST(ExtractLyric, AFileWhoseBytesCannotBeWrittenFailsTheRun) {
    // Every file of this song outgrows the limit, which still holds any message. Files
    // later than the first-pass ones are written again under the limit on their own, after
    // a whole run without it.
    constexpr rlim_t kLimit = 64;
    TrackBuilder lyric;
    lyric.lyric(0, "/" + std::string(100, 'a'));
    for (int i = 0; i < 20; ++i)
        lyric.noteOn(10, 0, 60, 90).noteOff(10, 0, 60);
    const Bytes song = ThreeTracks(lyric.endOfTrack(0));
    struct Case {
        const char* name;
        bool (*write)(const std::filesystem::path&, ErrorChannel&);
    };
    const Case cases[] = {
        {"Input0.dat", [](const std::filesystem::path& f,
                          ErrorChannel& e) { return ExtractLyric(f, e) == RunResult::Success; }},
        {"Input.dat", WriteTimedRecords},
        {"Input.str", WriteLyricLines},
    };
    for (const auto& c : cases) {
        LyricFolder folder;
        folder.WriteSong(song);
        ASSERT_EQ(folder.Extract(), RunResult::Success) << c.name;
        {
            ErrorChannel errors;
            ASSERT_TRUE(errors.Create(folder / "Error1.msg"));
            const testkit::FileSizeLimit limit(kLimit);
            EXPECT_FALSE(c.write(folder.path(), errors)) << c.name;
        }
        EXPECT_EQ(folder.Text("Error1.msg"), std::string("Cannot write ") + c.name + ".");
    }
}
