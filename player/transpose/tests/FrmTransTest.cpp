// The transpose dialog in a temporary application folder, with the real transposer
// library of the build: what "Input.bin" holds afterwards and what the status line says.
#include "transpose/FrmTrans.h"

#include "MidiBuilder.h"
#include "TempDir.h"
#include "device/FakeDevice.h"

#include <QDir>
#include <QLabel>
#include <gtest/gtest.h>

using namespace player;
using testkit::Bytes;

namespace {

class UnlitLamps : public AutoPlayLamps {
public:
    int unlit = 0;
    void setLampLit(int, bool lit) override { unlit += lit ? 0 : 1; }
};

// A karaoke song in the shape of the demo songs: tempo, a text track, the lyric on the
// third track, a melody on channel 0 and a drum on channel 9, shifted by `steps`
// (the drum never).
Bytes karaokeSong(int steps) {
    using testkit::TrackBuilder;
    TrackBuilder lyric;
    lyric.trackName(0, "Words").lyric(0, "Hel").lyric(240, "lo").endOfTrack(240);
    TrackBuilder melody;
    melody.program(0, 0, 0)
        .noteOn(0, 0, 60 + steps, 100)
        .noteOn(0, 9, 36, 100)
        .noteOff(240, 0, 60 + steps)
        .noteOff(0, 9, 36)
        .noteOn(0, 0, 67 + steps, 90)
        .noteOff(240, 0, 67 + steps)
        .endOfTrack();
    return testkit::MidiBuilder(1, 480)
        .track(TrackBuilder().tempo(0, 500000).endOfTrack())
        .track(TrackBuilder().text(0, "@TDemo song").endOfTrack())
        .track(lyric)
        .track(melody)
        .build();
}

std::string appDir() {
    const char* dir = std::getenv("MELODECK_APP_DIR");
    return dir != nullptr ? dir : "";
}

class FrmTransTest : public ::testing::Test {
protected:
    FrmTransTest() {
        previous_ = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(folder.path().string()));
        // What the loading pipeline leaves: the song, its copy and the played file.
        testkit::writeBytes(folder / "Demo.kar", karaokeSong(0));
        testkit::writeBytes(folder / "Input.sng", karaokeSong(0));
        testkit::writeBytes(folder / "Input.bin", karaokeSong(0));
        TxtPathName.setText("Demo.kar");
        LblVersion.setText("Playing");
        state.AutoMode = 2;
        device.setSongLength(40);
        device.open("Input.bin");
        device.clearLog();
    }
    ~FrmTransTest() override { QDir::setCurrent(previous_); }

    Bytes played() const { return testkit::readBytes(folder / "Input.bin"); }
    FrmTrans& dialog(NotebendLibrary& library) {
        dialog_ = std::make_unique<FrmTrans>(
            state, device, lamps, FrmTrans::Panel{LblVersion, TxtPathName, HScroll1, ProgressBar1},
            library);
        dialog_->CmdTrans_Click();
        return *dialog_;
    }

    testkit::TempDir folder;
    PlayerState state;
    FakeDevice device;
    UnlitLamps lamps;
    QLabel LblVersion;
    TextBox TxtPathName;
    QScrollBar HScroll1{Qt::Horizontal};
    QProgressBar ProgressBar1;
    NotebendLibrary notebend{appDir()};

private:
    QString previous_;
    std::unique_ptr<FrmTrans> dialog_;
};

} // namespace

TEST_F(FrmTransTest, TransposeShiftsTheNotesButNotTheDrumsAndResetRestores) {
    FrmTrans& trans = dialog(notebend);
    EXPECT_EQ(trans.windowTitle(), "Transpose song Up / Down");
    EXPECT_TRUE(trans.OptUp[0]->isChecked());
    trans.OptUp[1]->setChecked(true);
    trans.CmdOk->click();

    EXPECT_EQ(played(), karaokeSong(2));
    EXPECT_EQ(LblVersion.text(), "Transpose Ok");
    EXPECT_EQ(device.log(), (std::vector<std::string>{"close", "close", "open Input.bin"}));
    EXPECT_EQ(state.SongLength, 40);
    EXPECT_EQ(HScroll1.maximum(), 40);
    EXPECT_EQ(ProgressBar1.maximum(), 41);
    EXPECT_EQ(state.AutoMode, 0);
    EXPECT_EQ(lamps.unlit, 3);
    EXPECT_TRUE(state.IsStopped);
    EXPECT_FALSE(trans.isVisible());
    EXPECT_FALSE(trans.isEnabled()) << "it stays disabled until opened again";
    EXPECT_EQ(trans.windowTitle(), "Working, please wait...");

    // A second transpose starts again from the untransposed copy.
    trans.CmdTrans_Click();
    EXPECT_TRUE(trans.isEnabled());
    trans.CmdOk->click();
    EXPECT_EQ(played(), karaokeSong(2));

    state.AutoMode = 1;
    trans.CmdTrans_Click();
    trans.CmdReset->click();
    EXPECT_EQ(played(), karaokeSong(0));
    EXPECT_EQ(LblVersion.text(), "Reset Ok");
    EXPECT_EQ(state.AutoMode, 1) << "Reset leaves auto-play alone";
    EXPECT_FALSE(trans.isVisible());
}

TEST_F(FrmTransTest, DownKeepsItsChoiceForTheNextOpening) {
    FrmTrans& trans = dialog(notebend);
    trans.OptDn[2]->setChecked(true);
    EXPECT_EQ(trans.chosenShift(), -3);
    trans.CmdOk->click();
    EXPECT_EQ(played(), karaokeSong(-3));

    trans.close(); // any close only hides it
    trans.CmdTrans_Click();
    EXPECT_TRUE(trans.OptDn[2]->isChecked());
    EXPECT_FALSE(trans.OptUp[0]->isChecked());
}

TEST_F(FrmTransTest, FailuresLeaveTheUntransposedSong) {
    struct Row {
        const char* name;
        std::string libraryFile;
        bool brokenCopy; // "Input.sng" is no song the library accepts
        const char* status;
    } rows[] = {
        {"library missing", "libnotebend-absent.so", false, "Transpose Error."},
        {"library rejects the song", "libnotebend.so", true, "Playing"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        testkit::writeBytes(folder / "Input.bin", karaokeSong(4));
        if (r.brokenCopy)
            testkit::writeBytes(folder / "Input.sng", {'M', 'T', 'h', 'd', 0, 0});
        LblVersion.setText("Playing");
        NotebendLibrary library(appDir(), r.libraryFile);
        FrmTrans& trans = dialog(library);
        trans.CmdOk->click();
        EXPECT_EQ(played(), karaokeSong(0));
        EXPECT_EQ(LblVersion.text(), r.status);
        EXPECT_FALSE(trans.isVisible());
        EXPECT_EQ(device.log().back(), "open Input.bin");
    }
}

TEST_F(FrmTransTest, ASongThatCannotBeOpenedIsReported) {
    FrmTrans& trans = dialog(notebend);
    device.failNextOpen();
    trans.CmdOk->click();
    EXPECT_EQ(LblVersion.text(), "Cannot open input song.");

    TxtPathName.setText("Vanished.kar");
    trans.CmdTrans_Click();
    trans.CmdReset->click();
    EXPECT_EQ(LblVersion.text(), "Cannot open input song.");
    EXPECT_FALSE(trans.isVisible());
}

TEST_F(FrmTransTest, ALongSongOpensButLeavesThePositionControls) {
    HScroll1.setMaximum(40);
    device.setSongLength(32001);
    dialog(notebend).CmdOk->click();
    EXPECT_EQ(LblVersion.text(), "Transpose Ok");
    EXPECT_EQ(state.SongLength, 32001);
    EXPECT_EQ(HScroll1.maximum(), 40);
}
