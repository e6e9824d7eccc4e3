// The lyric advance over a hand-built lyric, tick by tick: what is drawn where, in which
// colour and size, what is cleared, and when a waiting picture is let in.
#include "lyric/LyricAdvance.h"

#include "LyricFixture.h"
#include "RecordingCanvas.h"
#include "device/FakeDevice.h"

#include <gtest/gtest.h>

using namespace player;

namespace {

class RecordingHost : public LyricAdvanceHost {
public:
    explicit RecordingHost(PlayerState& state, RecordingCanvas& canvas)
        : state_(state), canvas_(canvas) {}

    void hideTitles() override { canvas_.events.push_back("titles hidden"); }
    // Shows the picture as the panel would, which takes the change off the list.
    void ChangePicture(const std::string& CurLyr) override {
        canvas_.events.push_back("picture " + CurLyr);
        state_.PictureChangeDue = False;
    }
    void showStatus(const QString& text) override {
        canvas_.events.push_back("status " + text.toStdString());
    }
    void fatal(const QString& text) override { fatalText = text; }

    QString fatalText;

private:
    PlayerState& state_;
    RecordingCanvas& canvas_;
};

class LyricAdvanceTest : public ::testing::Test {
protected:
    std::string tick(int32_t position) {
        advance_.AdvanceLyric(position);
        return canvas_.take();
    }

    PlayerState state_;
    RecordingCanvas canvas_;
    RecordingHost host_{state_, canvas_};
    FakeDevice device_;
    LyricAdvance advance_{state_, canvas_, host_, device_};
};

// Two pages; the song opens on the lower row; "/all" is due on a tick while its line is
// not drawn yet; a picture change is made to wait before the song and again before the
// second page. Rows are the ticks, with what each of the three picture leads draws.
const std::vector<LyricRecord> kSong{{20, "/Hel"}, {22, "lo"},    {30, "\\Sun"},
                                     {32, " shi"}, {34, "ne"},    {36, "/all"},
                                     {38, " day"}, {54, "\\End"}, {60, ""}};
const std::vector<std::string> kLines{"/Hello", "\\Sun shine", "/all day", "\\End"};

struct Step {
    int32_t position;
    bool pictureWaits;                // the slideshow marks a change as due before this tick
    std::array<const char*, 3> drawn; // with PictureLead 0, 4 and 8
};

std::array<const char*, 3> all(const char* drawn) {
    return {drawn, drawn, drawn};
}

const std::vector<Step> kSteps{
    // The first tick only reads the first record.
    {0, true, all("")},
    // A pause of 18 sixteenths before the first line: the picture may change.
    {2, false, all("picture /Hel")},
    {11, false, all("")},
    // 8 ahead: drawn on the lower row with nothing cleared, fitted from 28 points.
    {12, false, all("titles hidden; font 28; shadow 4050,6050 Hello; unsung 4080,6080 Hello")},
    {20, false, all("sung 4050,6080 Hel")},
    {22, false, all("sung 4890,6080 lo")},
    // A page 4 ahead: the waiting picture clears the screen only where the lead is below 4.
    {26,
     true,
     {"picture \\Sun; shadow 3490,5400 Sun shine; unsung 3520,5430 Sun shine",
      "clear; shadow 3490,5400 Sun shine; unsung 3520,5430 Sun shine",
      "clear; shadow 3490,5400 Sun shine; unsung 3520,5430 Sun shine"}},
    {30, false, all("sung 3490,5430 Sun")},
    // "/all" is due exactly now with its line not drawn: not drawn early...
    {36, false, all("sung 4330,5430  shine")},
    // ...but on the next tick, on the lower row beside the page, and lit at once.
    {37, false, all("shadow 3770,6050 all day; unsung 3800,6080 all day; sung 3770,6080 all")},
    {38, false, all("sung 4610,6080  day")},
    // 14 ahead is too short a pause for a picture.
    {40, false, all("")},
    // A page 6 ahead: the picture comes in with lead 4, not with lead 8.
    {48,
     false,
     {"clear; shadow 4330,5400 End; unsung 4360,5430 End",
      "picture \\End; shadow 4330,5400 End; unsung 4360,5430 End",
      "clear; shadow 4330,5400 End; unsung 4360,5430 End"}},
    // The last record is read, not lit; at the end of the lyric the picture may change.
    {54,
     false,
     {"sung 4330,5430 End; status End Of Lyrics", "sung 4330,5430 End; status End Of Lyrics",
      "sung 4330,5430 End; status End Of Lyrics; picture "}},
    {70, false, all("")},
};

class PictureLeads : public LyricAdvanceTest, public ::testing::WithParamInterface<int> {};

TEST_P(PictureLeads, DrawsClearsAndChangesPicturesTickByTick) {
    const int leadIndex = GetParam();
    LyricFixture files(state_, kSong, kLines);
    state_.PictureLead = std::array{0, 4, 8}[static_cast<size_t>(leadIndex)];
    state_.TitlesVisible = True;
    for (const Step& step : kSteps) {
        if (step.pictureWaits)
            state_.PictureChangeDue = True;
        EXPECT_EQ(tick(step.position), step.drawn[static_cast<size_t>(leadIndex)])
            << "at position " << step.position;
    }
    EXPECT_EQ(state_.TitlesVisible, False);
    EXPECT_EQ(state_.LyricDataEnded, True);
}

INSTANTIATE_TEST_SUITE_P(Lead, PictureLeads, ::testing::Values(0, 1, 2), [](const auto& info) {
    return "Lead" + std::to_string(std::array{0, 4, 8}[info.param]);
});

TEST_F(LyricAdvanceTest, ALowerLineAfterALowerLineClearsTheScreen) {
    LyricFixture files(state_, {{10, "/one"}, {20, "/two"}, {30, ""}}, {"/one", "/two"});
    tick(0);
    EXPECT_EQ(tick(2), "font 28; shadow 4330,6050 one; unsung 4360,6080 one");
    EXPECT_EQ(tick(10), "sung 4330,6080 one");
    EXPECT_EQ(tick(12), "clear; shadow 4330,6050 two; unsung 4360,6080 two");
}

struct FitCase {
    const char* name;
    int32_t displayWidth;
    bool autoResize;
    const char* drawn;
};

class FontFitting : public LyricAdvanceTest, public ::testing::WithParamInterface<FitCase> {};

// "abcdefghij": 10 characters, 2800 twips at 28 points, 2000 at 20.
TEST_P(FontFitting, PicksTheLargestSizeThatFits) {
    const auto& c = GetParam();
    LyricFixture files(state_, {{10, "\\abcdefghij"}, {20, ""}}, {"\\abcdefghij"});
    state_.DisplayWidth = c.displayWidth;
    state_.AutoLyricResize = asFlag<Flag32>(c.autoResize);
    tick(0);
    const std::string drawn = tick(2);
    EXPECT_EQ(drawn.substr(0, drawn.find("; unsung")), c.drawn);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, FontFitting,
    ::testing::Values(
        FitCase{"FitsAt28", 3100, true, "clear; font 28; shadow 100,5400 abcdefghij"},
        // 2900 - 2800 leaves x = 0: fits exactly.
        FitCase{"ExactlyAt28", 2900, true, "clear; font 28; shadow 0,5400 abcdefghij"},
        FitCase{"FitsAt22", 2400, true,
                "clear; font 28; font 26; font 24; font 22; shadow 50,5400 abcdefghij"},
        // Even 20 points leave x = (1900 - 2000) \ 2 - 50 = -100: drawn from there.
        FitCase{"TooWideAt20", 1900, true,
                "clear; font 28; font 26; font 24; font 22; font 20; shadow -100,5400 abcdefghij"},
        // Without resizing the current 26 points stay and the line starts at 0.
        FitCase{"NoResizeTooWide", 1900, false, "clear; shadow 0,5400 abcdefghij"},
        FitCase{"NoResizeCentred", 9600, false, "clear; shadow 3450,5400 abcdefghij"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LyricAdvanceTest, AFontThatCannotBeMeasuredStopsTheSongAndEnds) {
    LyricFixture files(state_, {{10, "\\la"}, {20, ""}}, {"\\la"});
    canvas_.failingSizes = {28};
    state_.IsPlaying = True;
    state_.AutoMode = 2;
    tick(0);
    EXPECT_EQ(tick(2), "clear");
    EXPECT_EQ(device_.log().back(), "stop");
    EXPECT_EQ(state_.IsPlaying, False);
    EXPECT_EQ(state_.IsStopped, True);
    EXPECT_EQ(state_.AutoMode, 0);
    EXPECT_EQ(host_.fatalText,
              "Do Dadoziz Orarav Izuvi are not installed on your system.\nYou need to Re-Start "
              "Windows before running Da Zazide next time.\n(You can try to install all "
              "included fonts manually)");
    EXPECT_EQ(state_.LineReady, False);
}

// A failed extraction may leave records in "Input.dat"; they are not the song's lyric.
TEST_F(LyricAdvanceTest, WithoutLyricTheRecordsAreNeverLit) {
    LyricFixture files(state_, {{0, "\\la"}, {4, "la"}, {8, ""}}, {"\\la la"});
    state_.HasLyric = False;
    files.rewind();
    for (int32_t position : {0, 4, 100})
        EXPECT_EQ(tick(position), "");
}

TEST_F(LyricAdvanceTest, ALineFileThatEndsEarlyDrawsNothingVisible) {
    LyricFixture files(state_, {{10, "\\one"}, {20, "\\two"}, {30, ""}}, {"\\one"});
    tick(0);
    tick(2);
    tick(10);
    EXPECT_EQ(tick(12), "clear") << "an empty line still clears the page it opens";
}

} // namespace
