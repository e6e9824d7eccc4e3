// Stepping through the song list and cycling the auto-play mode.
#include "songlist/SongList.h"

#include "TempDir.h"
#include "device/DeviceMode.h"
#include "device/FakeDevice.h"
#include "songlist/FrmFileList.h"

#include <QTest>
#include <fstream>
#include <gtest/gtest.h>

using namespace player;

namespace {

class SongListTest : public ::testing::Test, public AutoPlayLamps {
protected:
    void SetUp() override { makeList({"a.kar", "b.kar", "c.kar"}); }

    void makeList(const std::vector<std::string>& songs) {
        for (const auto& song : songs)
            std::ofstream(dir_ / song) << "x";
        FileList_.setFolder(QString::fromStdString(dir_.path().string()));
        FileList_.refresh();
        FileList_.setListIndex(0);
        QObject::connect(&TxtPathName_, &TextBox::Change,
                         [this] { loads_.push_back(TxtPathName_.text()); });
    }

    void setLampLit(int index, bool lit) override { lamps_[static_cast<size_t>(index)] = lit; }

    testkit::TempDir dir_;
    PlayerState state_;
    FakeDevice device_;
    FileListBox FileList_{QStringLiteral("*.kar;*.mid")};
    TextBox TxtPathName_;
    FormTimer Timer2_;
    QLabel LblVersion_;
    std::array<bool, 3> lamps_{};
    QStringList loads_;
    SongList songs_{state_,  device_, FileList_,   TxtPathName_,
                    Timer2_, *this,   LblVersion_, [] { return 0.0; }};
};

struct ModeStep {
    int32_t mode;
    std::array<bool, 3> lamps;
    const char* text;
};

TEST_F(SongListTest, AutoCyclesThroughTheModesWithTheirLampsAndTexts) {
    const std::vector<ModeStep> steps{{1, {true, false, false}, "Auto Repeate Play ON"},
                                      {2, {false, true, false}, "Auto Sequence Play ON"},
                                      {3, {false, false, true}, "Auto Random Play ON"},
                                      {0, {false, false, false}, "Auto Play is now OFF"}};
    for (const ModeStep& step : steps) {
        songs_.CmdAuto_Click();
        EXPECT_EQ(state_.AutoMode, step.mode);
        EXPECT_EQ(lamps_, step.lamps) << "mode " << step.mode;
        EXPECT_EQ(LblVersion_.text(), step.text);
        // Stopped: a mode other than off starts the loaded song after the pause.
        EXPECT_EQ(Timer2_.isTicking(), step.mode != 0) << "mode " << step.mode;
    }
}

TEST_F(SongListTest, AModeChosenWhilePlayingWaitsForTheEnd) {
    device_.setSongLength(100);
    device_.open("a.kar");
    device_.play();
    songs_.CmdAuto_Click();
    EXPECT_FALSE(Timer2_.isTicking());
    EXPECT_EQ(state_.AutoMode, 1);
}

struct StepCase {
    const char* name;
    int from;
    bool next;
    int to;
};

class Stepping : public SongListTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(Stepping, ClosesTheSongAndLoadsTheNeighbourWithoutPlaying) {
    const auto& c = GetParam();
    FileList_.setListIndex(c.from);
    state_.AutoMode = 2;
    lamps_ = {false, true, false};
    c.next ? songs_.NextSong() : songs_.PrevSong();
    EXPECT_EQ(FileList_.listIndex(), c.to);
    EXPECT_EQ(loads_, QStringList{FileList_.fileName()});
    EXPECT_EQ(device_.log(), std::vector<std::string>{"close"});
    EXPECT_EQ(state_.AutoMode, 0);
    EXPECT_EQ(lamps_, (std::array<bool, 3>{}));
    EXPECT_EQ(state_.IsStopped, True);
    EXPECT_TRUE(Timer2_.isTicking());
}

INSTANTIATE_TEST_SUITE_P(Neighbours, Stepping,
                         ::testing::Values(StepCase{"NextInside", 0, true, 1},
                                           StepCase{"NextWraps", 2, true, 0},
                                           StepCase{"PrevInside", 2, false, 1},
                                           StepCase{"PrevWraps", 0, false, 2},
                                           StepCase{"PrevWithNothingSelected", -1, false, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SongListAlone, WithOneSongNextAndPreviousDoNothing) {
    testkit::TempDir dir;
    std::ofstream(dir / "only.kar") << "x";
    PlayerState state;
    state.AutoMode = 1;
    FakeDevice device;
    FileListBox list(QStringLiteral("*.kar;*.mid"));
    list.setFolder(QString::fromStdString(dir.path().string()));
    list.refresh();
    list.setListIndex(0);
    TextBox path;
    FormTimer timer;
    QLabel status;
    struct : AutoPlayLamps {
        void setLampLit(int, bool) override {}
    } lamps;
    SongList songs(state, device, list, path, timer, lamps, status, [] { return 0.0; });
    songs.NextSong();
    songs.PrevSong();
    EXPECT_EQ(state.AutoMode, 1);
    EXPECT_TRUE(device.log().empty());
    EXPECT_EQ(path.text(), "");
}

TEST_F(SongListTest, TheListWindowLoadsTheSelectedSongOnSelectOrEnter) {
    FrmFileList window(TxtPathName_);
    window.FileList->setFolder(QString::fromStdString(dir_.path().string()));
    window.FileList->refresh();
    window.show();
    window.FileList->setListIndex(1);
    window.CmdSelect->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(loads_, QStringList{"b.kar"});

    window.CmdSelect->click(); // the same song again
    EXPECT_EQ(loads_.size(), 1);

    window.show();
    window.FileList->setListIndex(2);
    QTest::keyClick(window.FileList, Qt::Key_Return);
    EXPECT_EQ(loads_, (QStringList{"b.kar", "c.kar"}));
    EXPECT_FALSE(window.isVisible());

    window.show();
    window.close();
    EXPECT_FALSE(window.isVisible()) << "a close only hides the window";
}

} // namespace
