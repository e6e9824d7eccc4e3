// LoadLyricData and RewindLyric over lyric files written here, on the fake device.
#include "PlayerFixture.h"
#include "device/FakeDevice.h"

using namespace player;

namespace {

class LyricDataLoader : public PlayerFixture<FakeDevice> {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        device.setSongLength(64);
        setPathQuietly(" song.kar ");
    }

    void load(bool hasLyric) {
        state.HasLyric = asFlag<Flag16>(hasLyric);
        panel.LoadLyricData();
    }

    std::vector<QString> captions() const {
        return {lyric.LblTit[0]->text(), lyric.LblTit[1]->text(), lyric.LblTit[2]->text()};
    }
    std::vector<bool> shown() const {
        return {lyric.LblTit[0]->isVisibleTo(&lyric), lyric.LblTit[1]->isVisibleTo(&lyric),
                lyric.LblTit[2]->isVisibleTo(&lyric)};
    }
};

struct TitleCase {
    const char* name;
    std::string tit; // decoded content of "Input.tit"
    std::vector<QString> captions;
    std::vector<bool> shown;
};

// Test names show the row, not its bytes.
void PrintTo(const TitleCase& c, std::ostream* os) {
    *os << c.name;
}

class TitleLines : public LyricDataLoader, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(TitleLines, PutOnTheLyricScreen) {
    const auto& c = GetParam();
    writeEncoded("Input.dat", "480\r\n000000|\\Hel");
    writeEncoded("Input.str", "\\Hello");
    writeEncoded("Input.tit", c.tit);
    load(true);
    EXPECT_EQ(captions(), c.captions);
    EXPECT_EQ(shown(), c.shown);
    EXPECT_EQ(state.TitlesVisible, True);
    EXPECT_EQ(panel.LblVersion->text(), "Ze Dazarav Uzadiz V208");
    EXPECT_TRUE(fatal.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Tit, TitleLines,
    ::testing::Values(
        TitleCase{"NoTitleTagFallsBackToThePath", "", {"song.kar", "", ""}, {true, false, false}},
        TitleCase{"TitleAndSinger",
                  "\r\n My song\r\n Singer\r\n\r\n",
                  {"My song", "Singer", ""},
                  {true, true, true}},
        TitleCase{"EmptyFirstTitleGetsThePath",
                  "\r\n\r\n Song\r\n Singer",
                  {"song.kar", "Song", "Singer"},
                  {true, true, true}},
        TitleCase{
            "EqualNeighboursShownOnce", "\r\n A\r\n A\r\n B", {"A", "", "B"}, {true, false, true}},
        TitleCase{"OnlyThreeLinesAreRead",
                  "\r\n A\r\n B\r\n C\r\n D",
                  {"A", "B", "C"},
                  {true, true, true}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LyricDataLoader, WithoutLyricTheTitlesAreClearedAndThePathShown) {
    lyric.LblTit[1]->setText("old");
    lyric.LblTit[1]->show();
    writeEncoded("Input.dat", "480\r\n000000|\\Hel");
    writeEncoded("Input.tit", "\r\n Never read");
    panel.LblVersion->setText("No MThd Found.");
    load(false);
    EXPECT_EQ(captions(), (std::vector<QString>{"song.kar", "", ""}));
    EXPECT_EQ(shown(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(panel.LblVersion->text(), "No MThd Found.");
    EXPECT_EQ(state.StrFileNo, 0);
}

TEST_F(LyricDataLoader, OpensTheSongAndSetsUpThePositionDisplays) {
    writeEncoded("Input.dat", "480\r\n000000|\\Hel");
    writeEncoded("Input.str", "\\Hello");
    load(true);
    EXPECT_EQ(device.log().back(), "open Input.bin");
    EXPECT_EQ(state.SongLength, 64);
    EXPECT_EQ(panel.HScroll1->maximum(), 64);
    EXPECT_EQ(panel.ProgressBar1->maximum(), 65);
    EXPECT_EQ(panel.ProgressBar1->value(), 0);
    EXPECT_EQ(state.Division, 480);
    EXPECT_EQ(state.TicksPer16th, 120);
    EXPECT_EQ(state.LyricDataEnded, False);
    EXPECT_NE(state.DatFileNo, 0);
    EXPECT_NE(state.StrFileNo, 0);
}

struct LimitCase {
    const char* name;
    int32_t length;
    std::string division;
    std::optional<int32_t> ticksPer16th; // no value: the song is refused with the message
    const char* message;
};

// Test names show the row, not its bytes.
void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << c.name;
}

class LoadLimits : public LyricDataLoader, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(LoadLimits, LengthAndDivision) {
    const auto& c = GetParam();
    device.setSongLength(c.length);
    writeEncoded("Input.dat", c.division);
    load(false);
    // A damaged song is refused with its reason; the program goes on.
    EXPECT_TRUE(fatal.empty());
    if (c.ticksPer16th) {
        EXPECT_EQ(state.TicksPer16th, *c.ticksPer16th);
    } else {
        EXPECT_EQ(panel.LblVersion->text(), c.message);
        EXPECT_FALSE(device.canPlay());
        EXPECT_EQ(state.DatFileNo, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, LoadLimits,
    ::testing::Values(
        LimitCase{"Length32000Loads", 32000, "480", 120, ""},
        LimitCase{"Length32001IsRefused", 32001, "480", {}, "Fatal error while geting song's length."},
        LimitCase{"Division4", 64, "4", 1, ""}, LimitCase{"Division7", 64, "7\r\n000000|", 1, ""},
        LimitCase{"Division3IsRefused", 64, "3", {}, "Error geting division."},
        LimitCase{"EmptyDatIsRefused", 64, "", {}, "Error geting division."},
        LimitCase{"NotANumberIsRefused", 64, "x480", {}, "Error geting division."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LyricDataLoader, ASongTheDeviceCannotOpenLeavesEverythingClosed) {
    state.AutoMode = 2;
    panel.setLampLit(1, true);
    writeEncoded("Input.dat", "480");
    device.failNextOpen();
    load(true);
    EXPECT_EQ(panel.LblVersion->text(), "Could not open input song.");
    EXPECT_EQ(state.AutoMode, 0);
    EXPECT_EQ(panel.ImgAuLed[1]->picture().toImage(), panel.ImgLedN->picture().toImage());
    EXPECT_EQ(state.IsStopped, True);
    EXPECT_EQ(state.IsPlaying, False);
    EXPECT_EQ(state.DatFileNo, 0);
    EXPECT_EQ(device.log().back(), "close");

    device.failNextOpen("No SoundFont found: put a .sf2 or .sf3 file into the program's folder.");
    load(true);
    EXPECT_EQ(panel.LblVersion->text(),
              "No SoundFont found: put a .sf2 or .sf3 file into the program's folder.");
}

// The extractor failed before writing "Input.dat": the song still plays, without lyric.
TEST_F(LyricDataLoader, AMissingDatFilePlaysTheSongWithoutLyric) {
    load(true);
    EXPECT_TRUE(fatal.empty());
    EXPECT_EQ(state.HasLyric, False);
    EXPECT_EQ(state.LyricDataEnded, True);
    EXPECT_EQ(panel.LblVersion->text(), "No lyric data: the song plays without lyric");
    EXPECT_EQ(captions(), (std::vector<QString>{"song.kar", "", ""}));
    EXPECT_TRUE(device.canPlay());

    EXPECT_EQ(panel.RewindLyric(), True);
    EXPECT_EQ(panel.LblVersion->text(), "Without Lyric");
}

TEST_F(LyricDataLoader, RewindReadsAheadTheFirstLyricLine) {
    writeEncoded("Input.dat", "480\r\n000000|\\Hel\r\n000120|lo");
    writeEncoded("Input.str", "\r\n\\Hello\r\n/World");
    load(true);
    state.LyricRowTop = 8640;
    state.NextTime = 99;
    state.LineReady = True;
    panel.Timer2->setInterval(10000);
    EXPECT_EQ(panel.RewindLyric(), True);
    EXPECT_EQ(device.log().back(), "open Input.bin"); // stopped at the start, nothing sent
    EXPECT_EQ(state.NextTime, 0);
    EXPECT_EQ(state.NextSyllable, "");
    EXPECT_EQ(state.RawRecord, "480");
    EXPECT_EQ(state.NextLine, "\\Hello");
    EXPECT_EQ(state.LastRowUpper, True);
    EXPECT_EQ(state.LineReady, False);
    EXPECT_EQ(state.UpperRowY, 8640);
    EXPECT_EQ(state.LowerRowY, 9290);
    EXPECT_EQ(panel.Timer2->interval(), 0);
    EXPECT_EQ(panel.LblVersion->text(), "Ze Dazarav Uzadiz V208");

    // Rewinding again after reading on starts from the first byte once more.
    state.OpenFiles.readLine(state.StrFileNo);
    EXPECT_EQ(panel.RewindLyric(), True);
    EXPECT_EQ(state.NextLine, "\\Hello");
}

TEST_F(LyricDataLoader, RewindWithLyricButNoLyricTextFails) {
    writeEncoded("Input.dat", "480\r\n000000|\\Hel");
    load(true);
    panel.Timer2->setInterval(10000);
    EXPECT_EQ(panel.RewindLyric(), False);
    EXPECT_EQ(panel.LblVersion->text(), "Error getting lyric data 2..");
    EXPECT_EQ(panel.Timer2->interval(), 10000);
}

// A failed extraction can leave records behind; without lyric they are never read, so the
// lyric counts as ended and nothing waits for the file's end.
TEST_F(LyricDataLoader, RewindWithoutLyricTreatsTheRecordsAsEnded) {
    writeEncoded("Input.dat", "480\r\n000000|\\Hel\r\n000120|lo");
    load(false);
    EXPECT_EQ(panel.RewindLyric(), True);
    EXPECT_EQ(panel.LblVersion->text(), "Without Lyric");
    EXPECT_EQ(state.LyricDataEnded, True);
    EXPECT_FALSE(state.OpenFiles.atEnd(state.DatFileNo));
}

} // namespace
