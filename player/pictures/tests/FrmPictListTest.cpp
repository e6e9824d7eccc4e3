// The picture list window: interval options and the lyric screen's size.
#include "pictures/FrmPictList.h"

#include "PictureRig.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace player;

namespace {

struct Sizing {
    int16_t toMin;
    int32_t height;
    int32_t width;
    bool operator==(const Sizing&) const = default;
};

class FrmPictListTest : public ::testing::Test {
protected:
    FrmPictListTest() {
        rig_.state.FullWidth = 15360;
        rig_.state.FullHeight = 11520;
        rig_.state.SmallWidth = 9600;
        rig_.state.SmallHeight = 7200;
    }

    PictureRig rig_;
    std::vector<Sizing> sizings_;
    FileListBox* list_ = new FileListBox(QStringLiteral("*.bmp;*.jpg;*.gif"));
    FrmPictList window_{rig_.state, rig_.device, list_, rig_.pictures,
                        [this](int16_t toMin, int32_t h, int32_t w) {
                            sizings_.push_back({toMin, h, w});
                        }};
};

struct OptionCase {
    int option;
    int32_t interval;
    int32_t lead;
};

TEST_F(FrmPictListTest, OptionsSetTheIntervalAndTheLead) {
    for (const OptionCase& c :
         {OptionCase{0, 10000, 0}, OptionCase{2, 45000, 8}, OptionCase{1, 25000, 4}}) {
        window_.Option1[static_cast<size_t>(c.option)]->click();
        EXPECT_EQ(rig_.state.PictureInterval, c.interval);
        EXPECT_EQ(rig_.state.PictureLead, c.lead);
        EXPECT_EQ(rig_.pictures.Timer3->interval(), c.interval);
        window_.Option1[0]->setChecked(false);
        window_.Form_Activate();
        EXPECT_TRUE(window_.Option1[static_cast<size_t>(c.option)]->isChecked());
    }
    EXPECT_EQ(window_.Option1[0]->text(), "15 s");
}

TEST_F(FrmPictListTest, SizeButtonTogglesTheLyricScreenAndStopsTheSong) {
    rig_.play();
    window_.Form_Activate();
    EXPECT_EQ(window_.CmdStdSize->text(), "640x480");
    window_.CmdStdSize->click();
    EXPECT_EQ(rig_.device.log().back(), "stop");
    EXPECT_EQ(rig_.state.SmallScreen, True);
    window_.Form_Activate();
    EXPECT_EQ(window_.CmdStdSize->text(), "Full Screen");
    window_.CmdStdSize->click();
    EXPECT_EQ(rig_.state.SmallScreen, False);
    EXPECT_EQ(sizings_, (std::vector<Sizing>{{True, 7200, 9600}, {False, 11520, 15360}}));
}

TEST_F(FrmPictListTest, OnA640x480ScreenThereIsNoSmallerWindow) {
    rig_.state.FullWidth = 9600;
    rig_.state.FullHeight = 7200;
    window_.Form_Activate();
    EXPECT_FALSE(window_.CmdStdSize->isEnabled());
    window_.CmdStdSize_Click();
    EXPECT_TRUE(sizings_.empty());
    EXPECT_TRUE(rig_.device.log().empty());
}

TEST_F(FrmPictListTest, SelectTakesThePicture) {
    window_.FileList->refresh();
    window_.FileList->setListIndex(3);
    window_.show();
    window_.CmdSelect->click();
    EXPECT_EQ(rig_.pictures.TxtPictName->text(), "red.jpg");
    EXPECT_EQ(rig_.shown(), "red");
    EXPECT_FALSE(window_.isVisible());

    // Return on the list is the Select button too.
    window_.show();
    window_.FileList->setListIndex(0);
    QTest::keyClick(window_.FileList, Qt::Key_Return);
    EXPECT_EQ(rig_.pictures.TxtPictName->text(), "blue.bmp");
    EXPECT_FALSE(window_.isVisible());
}

} // namespace
