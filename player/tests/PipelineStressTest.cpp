// The loading pipeline under a hurried user and a hostile neighbour: bursts of song
// choices, a stall then quick clicks, late, repeated and forged answers. The program must
// never end, the lyric shown must be the chosen song's, and nothing may be left open.
#include "ManualClockDevice.h"
#include "MessagePort.h"
#include "MidiBuilder.h"
#include "PlayerFixture.h"
#include "device/DeviceMode.h"
#include "songlist/SongList.h"

#include <QThread>
#include <cstdlib>
#include <filesystem>

using namespace player;
namespace fs = std::filesystem;

namespace {

constexpr int kSongs = 6;

// A karaoke song whose first title names it; `endTick` sets its length.
testkit::Bytes titledSong(int number, uint32_t endTick = 1920) {
    testkit::TrackBuilder tempo;
    tempo.tempo(0, 500000).endOfTrack(endTick);
    testkit::TrackBuilder notes;
    notes.noteOn(0, 0, 60 + number, 100).noteOff(960, 0, 60 + number).endOfTrack();
    testkit::TrackBuilder words;
    words.text(0, "@KKaraoke")
        .text(0, "@TSong " + std::to_string(number))
        .lyric(480, "\\La")
        .lyric(120, "la")
        .endOfTrack(960);
    return testkit::MidiBuilder(1, 480).track(tempo).track(notes).track(words).build();
}

QString songFile(int number) {
    return QStringLiteral("song%1.kar").arg(number);
}

int openDescriptors() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

class PipelineStress : public PlayerFixture<ManualClockDevice> {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        const char* built = std::getenv("MELODECK_APP_DIR");
        if (!built || !fs::exists(fs::path(built) / "textpull"))
            GTEST_SKIP() << "textpull is not built";
        fs::create_symlink(fs::path(built) / "textpull", app / "textpull");
        for (int i = 0; i < kSongs; ++i)
            testkit::writeBytes(app / songFile(i).toStdString(), titledSong(i));
    }

    QString status() const { return panel.LblVersion->text(); }

    // The chosen song is loaded: its answer came, and what is shown is its own.
    void expectLoaded(int number) {
        ASSERT_TRUE(waitFor([&] {
            return state.LyricReplyReceived != False && status() != "Loading. Please wait...";
        }));
        // A straggler of the songs before would arrive now, if one could.
        waitFor([] { return false; }, 150);
        EXPECT_TRUE(fatal.empty()) << fatal.front().toStdString();
        EXPECT_EQ(panel.TxtPathName->text(), songFile(number));
        EXPECT_EQ(lyric.LblTit[0]->text(), QStringLiteral("Song %1").arg(number));
        EXPECT_EQ(testkit::readBytes(app / "Input.sng"), titledSong(number));
        EXPECT_TRUE(device.canPlay());
    }
};

TEST_F(PipelineStress, BurstsOfChoicesLoadTheNewestOnly) {
    for (int gapMs : {0, 1}) {
        for (int round = 0; round < 4; ++round) {
            SCOPED_TRACE(testing::Message() << "gap " << gapMs << " ms, round " << round);
            int last = 0;
            for (int click = 0; click < 20; ++click) {
                last = (round + click) % kSongs;
                panel.TxtPathName->setText(songFile(last));
                if (gapMs > 0)
                    waitFor([] { return false; }, gapMs);
            }
            expectLoaded(last);
        }
    }
}

TEST_F(PipelineStress, QuickChoicesAfterAStall) {
    panel.TxtPathName->setText(songFile(0));
    // The player is busy for a second: nothing runs, the clicks pile up.
    QThread::msleep(1000);
    for (int i = 1; i <= 6; ++i) {
        panel.TxtPathName->setText(songFile(i % kSongs));
        waitFor([] { return false; }, 120);
    }
    expectLoaded(6 % kSongs);
}

TEST_F(PipelineStress, LateRepeatedAndForgedAnswersChangeNothing) {
    panel.TxtPathName->setText(songFile(1));
    expectLoaded(1);
    const int32_t before = panel.CmdMessHandle();

    panel.TxtPathName->setText(songFile(2));
    // The song before answers late, success and failure alike.
    platform::postMessage(before, {platform::kWmKeyUp, 58, 0});
    platform::postMessage(before, {platform::kWmKeyUp, 58, platform::kKeyContextBit});
    expectLoaded(2);
    EXPECT_NE(panel.CmdMessHandle(), before);

    const int descriptors = openDescriptors();
    for (int i = 0; i < 500; ++i) {
        platform::postMessage(panel.CmdMessHandle(), {platform::kWmKeyUp, i % 2 ? 58 : 13,
                                                      i % 3 ? 0 : platform::kKeyContextBit});
        if (i % 50 == 0)
            waitFor([] { return false; }, 5);
    }
    waitFor([] { return false; }, 300);
    EXPECT_EQ(openDescriptors(), descriptors);
    EXPECT_EQ(lyric.LblTit[0]->text(), "Song 2");
    EXPECT_EQ(state.HasLyric, True);
    EXPECT_TRUE(fatal.empty());
}

TEST_F(PipelineStress, ARefusedSongInSequencePlayMovesOn) {
    // Over 32000 sixteenth notes long: the song the player cannot take.
    testkit::writeBytes(app / "song0.kar", titledSong(0, 480 * 8001));
    panel.FileListForm->FileList->setFolder(state.SongFolder);
    panel.FileListForm->FileList->refresh();
    panel.FileListForm->FileList->setListIndex(0);
    state.AutoMode = 2;
    panel.TxtPathName->setText(songFile(0));
    ASSERT_TRUE(waitFor([&] { return status() == "Fatal error while geting song's length."; }));
    EXPECT_TRUE(fatal.empty());
    // After the usual pause the next song of the list is loaded and plays.
    ASSERT_TRUE(waitFor([&] { return panel.TxtPathName->text() == songFile(1); },
                        SongList::kRestartDelay + 3000));
    expectLoaded(1);
    EXPECT_EQ(state.AutoMode, 2);
    EXPECT_TRUE(waitFor([&] { return device.mode() == ModePlaying; }));
}

} // namespace
