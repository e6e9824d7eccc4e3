// The loading pipeline end to end: the real extractor, started from a temporary
// application folder, answering through the message port, and the FluidSynth device on
// the manual clock.
#include "ManualClockDevice.h"
#include "MidiBuilder.h"
#include "PlayerFixture.h"
#include "SongFixtures.h"
#include "device/DeviceMode.h"
#include "device/FakeDevice.h"
#include "device/FluidSynthDevice.h"
#include "device/SoundFontChoice.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace player;
namespace fs = std::filesystem;

namespace {

// Tempo, accompaniment, and a third track with titles and two lyric lines.
testkit::Bytes songWithLyric() {
    testkit::TrackBuilder tempo;
    tempo.tempo(0, 500000).endOfTrack(1920);
    testkit::TrackBuilder notes;
    notes.noteOn(0, 0, 60, 100).noteOff(1920, 0, 60).endOfTrack();
    testkit::TrackBuilder words;
    words.text(0, "@KKaraoke")
        .text(0, "@TMy song")
        .text(0, "@TSinger")
        .lyric(480, "\\Hel")
        .lyric(120, "lo")
        .lyric(360, "/World")
        .endOfTrack(960);
    return testkit::MidiBuilder(1, 480).track(tempo).track(notes).track(words).build();
}

// A format-0 song: it plays, but the extractor takes lyric only from format 1.
testkit::Bytes formatZeroSong() {
    testkit::TrackBuilder t;
    t.tempo(0, 500000).noteOn(0, 0, 60, 100).noteOff(960, 0, 60).endOfTrack();
    return testkit::MidiBuilder(0, 480).track(t).build();
}

// Puts the built extractor into the application folder; false when it is not built.
bool linkTextpull(const fs::path& folder) {
    const char* built = std::getenv("MELODECK_APP_DIR");
    if (!built || !fs::exists(fs::path(built) / "textpull"))
        return false;
    fs::create_symlink(fs::path(built) / "textpull", folder / "textpull");
    return true;
}

class SongPipeline : public PlayerFixture<ManualClockDevice> {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        if (!linkTextpull(app.path()))
            GTEST_SKIP() << "textpull is not built";
        ASSERT_TRUE(chooseSoundFont("")) << "the system GM SoundFont is missing";
        testkit::writeBytes(app / "lyric.kar", songWithLyric());
        testkit::writeBytes(app / "plain.mid", formatZeroSong());
        testkit::writeBytes(app / "junk.kar", {'R', 'I', 'F', 'F', 0, 0, 0, 0});
    }

    // Replaces the extractor by a script, for extractors that never answer.
    void useExtractorScript(const std::string& body) {
        fs::remove(app / "textpull");
        std::ofstream(app / "textpull") << "#!/bin/sh\n" << body << "\n";
        fs::permissions(app / "textpull", fs::perms::owner_all);
    }

    QString status() const { return panel.LblVersion->text(); }

    bool waitForStatus(const QString& text, int milliseconds = 5000) {
        return waitFor([&] { return status() == text; }, milliseconds);
    }

    // The reply has been handled once the loading status is gone.
    bool waitForReply() {
        return waitFor([&] { return status() != "Loading. Please wait..."; });
    }
};

TEST_F(SongPipeline, ASongWithLyricIsOpenWithItsTitlesAndLyricFiles) {
    panel.TxtPathName->setText("lyric.kar");
    EXPECT_EQ(panel.LblTitle->text(), "lyric");
    EXPECT_EQ(status(), "Loading. Please wait...");
    EXPECT_TRUE(panel.isVisible());
    ASSERT_TRUE(waitForReply());

    EXPECT_EQ(status(), "Ze Dazarav Uzadiz V208");
    EXPECT_EQ(state.HasLyric, True);
    EXPECT_TRUE(panel.CmdTrans->isEnabled());
    EXPECT_TRUE(device.canPlay());
    EXPECT_EQ(device.mode(), ModeStopped);
    EXPECT_EQ(state.SongLength, 16);
    EXPECT_EQ(state.Division, 480);
    EXPECT_EQ(lyric.LblTit[0]->text(), "My song");
    EXPECT_EQ(lyric.LblTit[1]->text(), "Singer");
    EXPECT_EQ(state.TitlesVisible, True);

    ASSERT_EQ(panel.RewindLyric(), True);
    EXPECT_EQ(state.NextLine, "\\Hello");
    EXPECT_EQ(status(), "Ze Dazarav Uzadiz V208");
}

TEST_F(SongPipeline, ASongTheExtractorTakesNoLyricFromPlaysWithoutLyric) {
    panel.TxtPathName->setText("plain.mid");
    EXPECT_EQ(panel.LblTitle->text(), "plain.mid");
    ASSERT_TRUE(waitForReply());
    EXPECT_EQ(status(), QString::fromStdString(testkit::readText(app / "Error1.msg")));
    EXPECT_EQ(state.HasLyric, False);
    EXPECT_TRUE(device.canPlay());
    EXPECT_EQ(lyric.LblTit[0]->text(), "plain.mid");

    EXPECT_EQ(panel.RewindLyric(), True);
    EXPECT_EQ(status(), "Without Lyric");
}

TEST_F(SongPipeline, AFileThatIsNoSongIsNotOpenedAndTheNextChoiceWorks) {
    panel.TxtPathName->setText("junk.kar");
    ASSERT_TRUE(waitForReply());
    EXPECT_EQ(testkit::readText(app / "Error1.msg"), "No MThd Found.");
    EXPECT_EQ(status(), "Could not open input song.");
    EXPECT_FALSE(device.canPlay());

    panel.TxtPathName->setText("lyric.kar");
    ASSERT_TRUE(waitForReply());
    EXPECT_EQ(status(), "Ze Dazarav Uzadiz V208");
    EXPECT_TRUE(device.canPlay());
}

TEST_F(SongPipeline, EachSongStartsFromCleanWorkingFiles) {
    testkit::writeBytes(app / "Input.str", {'o', 'l', 'd'});
    testkit::writeBytes(app / "Input.tit", {'o', 'l', 'd'});
    panel.TxtPathName->setText("plain.mid");
    ASSERT_TRUE(waitForReply());
    // The format-0 run writes neither file, so none of the old ones may be left.
    EXPECT_FALSE(fs::exists(app / "Input.str"));
    EXPECT_FALSE(fs::exists(app / "Input.tit"));
    EXPECT_EQ(testkit::readBytes(app / "Input.bin"), formatZeroSong());
}

TEST_F(SongPipeline, ChoosingTheSamePathAgainStartsNothing) {
    panel.TxtPathName->setText("lyric.kar");
    ASSERT_TRUE(waitForReply());
    fs::remove(app / "Input.sng");
    panel.TxtPathName->setText("lyric.kar");
    waitFor([] { return false; }, 300);
    EXPECT_FALSE(fs::exists(app / "Input.sng"));
    EXPECT_EQ(status(), "Ze Dazarav Uzadiz V208");
}

TEST_F(SongPipeline, AnEmptiedPathOnlyDeletesTheWorkingFiles) {
    panel.TxtPathName->setText("lyric.kar");
    ASSERT_TRUE(waitForReply());
    panel.TxtPathName->setText("   ");
    EXPECT_FALSE(fs::exists(app / "Input.sng"));
    EXPECT_FALSE(fs::exists(app / "Input.dat"));
    EXPECT_EQ(panel.LblTitle->text(), "lyric");
    EXPECT_TRUE(device.canPlay()); // the pipeline stops before it closes the device
}

TEST_F(SongPipeline, AMissingSongStartsNoExtractor) {
    panel.TxtPathName->setText("gone.kar");
    EXPECT_EQ(status(), "Input Song not found.");
    EXPECT_FALSE(panel.TimerTextpull->isTicking());
    EXPECT_FALSE(device.canPlay());
}

TEST_F(SongPipeline, AMissingExtractorIsNamed) {
    fs::remove(app / "textpull");
    panel.TxtPathName->setText("lyric.kar");
    EXPECT_EQ(status(), "Could not start textpull.");
    EXPECT_FALSE(panel.TimerTextpull->isTicking());
}

struct SilentExtractor {
    const char* name;
    const char* script;
};

// Test names show the row, not its bytes.
void PrintTo(const SilentExtractor& c, std::ostream* os) {
    *os << c.name;
}

class SilentExtractors : public SongPipeline,
                         public ::testing::WithParamInterface<SilentExtractor> {};

// Whatever keeps the answer from coming, the time-out ends the wait, and an answer that
// comes after it is ignored.
TEST_P(SilentExtractors, TimeOutAndALateAnswerIsIgnored) {
    useExtractorScript(GetParam().script);
    panel.TimerTextpull->setInterval(300);
    panel.TxtPathName->setText("lyric.kar");
    EXPECT_TRUE(panel.TimerTextpull->isTicking());
    ASSERT_TRUE(waitForStatus("GetLyric TimeOut."));
    EXPECT_EQ(state.LyricTimedOut, True);
    EXPECT_FALSE(panel.TimerTextpull->isTicking());

    platform::postMessage(panel.CmdMessHandle(), {platform::kWmKeyUp, 58, 0});
    waitFor([] { return false; }, 200);
    EXPECT_EQ(status(), "GetLyric TimeOut.");
    EXPECT_FALSE(device.canPlay());
}

INSTANTIATE_TEST_SUITE_P(Extractors, SilentExtractors,
                         ::testing::Values(SilentExtractor{"EndsWithoutAWord", "exit 0"},
                                           SilentExtractor{"Crashes", "kill -SEGV $$"},
                                           SilentExtractor{"NeverEnds", "exec sleep 3"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SongPipeline, TheRealAnswerAfterTheTimeOutIsIgnored) {
    panel.TxtPathName->setText("lyric.kar");
    panel.TimerTextpull_Timer(); // the ten seconds run out before the answer is read
    EXPECT_EQ(status(), "GetLyric TimeOut.");
    waitFor([&] { return fs::exists(app / "Input.str"); });
    waitFor([] { return false; }, 300);
    EXPECT_EQ(status(), "GetLyric TimeOut.");
    EXPECT_FALSE(device.canPlay());
}

TEST_F(SongPipeline, TheTimeOutAfterTheAnswerChangesNothing) {
    panel.TimerTextpull->setInterval(1000);
    panel.TxtPathName->setText("lyric.kar");
    ASSERT_TRUE(waitForReply());
    ASSERT_TRUE(waitFor([&] { return !panel.TimerTextpull->isTicking(); }));
    EXPECT_EQ(state.LyricTimedOut, False);
    EXPECT_EQ(status(), "Ze Dazarav Uzadiz V208");
    EXPECT_TRUE(device.canPlay());
}

TEST_F(SongPipeline, TheNextSongRestartsTheTimeOut) {
    useExtractorScript("exit 0");
    panel.TimerTextpull->setInterval(600);
    panel.TxtPathName->setText("lyric.kar");
    waitFor([] { return false; }, 400);
    panel.TxtPathName->setText("plain.mid");
    waitFor([] { return false; }, 400); // 800 ms after the first start, 400 after the second
    EXPECT_EQ(status(), "Loading. Please wait...");
    EXPECT_TRUE(waitForStatus("GetLyric TimeOut."));
}

class PipelineOnFakeDevice : public PlayerFixture<FakeDevice> {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        if (!linkTextpull(app.path()))
            GTEST_SKIP() << "textpull is not built";
        testkit::writeBytes(app / "lyric.kar", songWithLyric());
    }
};

// The old song is closed before the output is reset, and a busy output does not stop the
// load: its message gives way to the loading text.
TEST_F(PipelineOnFakeDevice, ABusyMidiOutputIsReportedAndTheLoadGoesOn) {
    device.failOutputOpen(MidiOutput::kBusy);
    device.setTickInterval(100);
    panel.TxtPathName->setText("lyric.kar");
    EXPECT_EQ(panel.LblVersion->text(), "Loading. Please wait...");
    EXPECT_EQ(device.tickInterval(), 0);
    EXPECT_EQ(device.log(), (std::vector<std::string>{"close", "open output"}));
    ASSERT_TRUE(waitFor([&] { return device.canPlay(); }));
    EXPECT_EQ(device.log().back(), "open Input.bin");
    EXPECT_EQ(panel.LblVersion->text(), "Ze Dazarav Uzadiz V208");
}

TEST_F(PipelineOnFakeDevice, AWrongKeyCodeLoadsNothing) {
    panel.TxtPathName->setText("lyric.kar");
    ASSERT_TRUE(waitFor([&] { return device.canPlay(); }));
    panel.CmdTrans->setEnabled(true);
    device.clearLog();
    state.LyricReplyReceived = False; // as if this were the song's only answer
    panel.CmdMess_KeyUp(13, 0);
    EXPECT_EQ(panel.LblVersion->text(), "GetLyric return bad.");
    EXPECT_EQ(state.HasLyric, False);
    EXPECT_FALSE(panel.CmdTrans->isEnabled());
    EXPECT_TRUE(device.log().empty());
}

TEST_F(PipelineOnFakeDevice, AFailureWithoutAMessageSaysGetLyricError) {
    std::string division = "480";
    ConvertStr(division, 1);
    testkit::writeBytes(app / "Input.dat", {division.begin(), division.end()});
    testkit::writeBytes(app / "Error1.msg", {});
    panel.CmdMess_KeyUp(58, KeyUpButton::kAltMask);
    EXPECT_EQ(panel.LblVersion->text(), "GetLyric error.");
    EXPECT_EQ(state.HasLyric, False);
    EXPECT_TRUE(device.canPlay());
}

TEST(StatusTick, RaisedOnTheUserInterfaceThreadWhileTheIntervalIsSet) {
    FluidSynthDevice::Options options;
    options.manualClock = true;
    FluidSynthDevice device(options);
    int ticks = 0;
    device.setStatusTickHandler([&] { ++ticks; });
    device.setTickInterval(20);
    QElapsedTimer clock;
    clock.start();
    while (ticks < 3 && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_GE(ticks, 3);
    device.setTickInterval(0);
    const int stopped = ticks;
    clock.restart();
    while (clock.elapsed() < 100)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(ticks, stopped);
}

} // namespace
