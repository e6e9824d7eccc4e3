// The slideshow: pictures shown at once while stopped, made to wait for the lyric while a
// song plays, the movie background, and pictures that cannot be shown.
#include "PictureRig.h"

#include <gtest/gtest.h>

using namespace player;

namespace {

// Listed: blue.bmp, broken.gif, Green.BMP, red.jpg.

TEST(BackgroundPictures, WhileStoppedTheTimerShowsAnotherPictureAtOnce) {
    PictureRig rig;
    rig.draws = {0.1, 0.6}; // entry 0 again, then entry 2
    rig.pictures.Timer3_Timer();
    EXPECT_EQ(rig.FileList.fileName(), "Green.BMP");
    EXPECT_EQ(rig.state.PictureFile, "Green.BMP");
    EXPECT_EQ(rig.shown(), "green");
    EXPECT_EQ(rig.pictures.Timer3->interval(), 0) << "one tick per arming";
    EXPECT_EQ(rig.state.PictureChangeDue, False);
}

TEST(BackgroundPictures, WhilePlayingThePictureWaitsForALineStart) {
    PictureRig rig;
    rig.Image1.setPicture(PictureRig::solid(Qt::blue));
    rig.play();
    rig.FileList.setListIndex(3);
    rig.pictures.TxtPictName->setText("red.jpg");
    EXPECT_EQ(rig.LblVersion.text(), "Ready to load red.jpg");
    EXPECT_EQ(rig.state.PictureChangeDue, True);
    EXPECT_EQ(rig.shown(), "blue");

    rig.Image1.moveTo(1234, 5678);
    rig.pictures.ChangePicture("la"); // inside a line
    EXPECT_EQ(rig.shown(), "blue");
    rig.pictures.ChangePicture("");
    EXPECT_EQ(rig.state.PictureChangeDue, True);

    rig.pictures.ChangePicture("\\la");
    EXPECT_EQ(rig.shown(), "red");
    EXPECT_EQ(rig.state.PictureChangeDue, False);
    EXPECT_EQ(rig.LblVersion.text(), "Ze Dazarav Uzadiz V208");
    EXPECT_EQ(rig.pictures.Timer3->interval(), 25000);
    EXPECT_EQ(rig.Image1.currentX(), 1234) << "the lyric goes on where it was";
    EXPECT_EQ(rig.Image1.currentY(), 5678);
}

TEST(BackgroundPictures, AfterTheLyricAnyMomentWillDo) {
    PictureRig rig;
    rig.play();
    rig.pictures.TxtPictName->setText("red.jpg");
    rig.state.LyricDataEnded = True;
    rig.pictures.ChangePicture("");
    EXPECT_EQ(rig.shown(), "red");
}

struct BadPictureCase {
    const char* name;
    const char* file;
    bool playing;
    const char* status;
};

class BadPictures : public ::testing::TestWithParam<BadPictureCase> {};

TEST_P(BadPictures, AreReportedAndNothingWaits) {
    const auto& c = GetParam();
    PictureRig rig;
    rig.Image1.setPicture(PictureRig::solid(Qt::blue));
    if (c.playing)
        rig.play();
    rig.pictures.TxtPictName->setText(c.file);
    EXPECT_EQ(rig.LblVersion.text(), c.status);
    EXPECT_EQ(rig.state.PictureChangeDue, False);
    EXPECT_EQ(rig.shown(), "blue");
}

INSTANTIATE_TEST_SUITE_P(Files, BadPictures,
                         ::testing::Values(BadPictureCase{"MissingStopped", "gone.bmp", false,
                                                          "Cannot Open/Load gone.bmp."},
                                           BadPictureCase{"MissingPlaying", "gone.bmp", true,
                                                          "Cannot Open/Load gone.bmp."},
                                           BadPictureCase{"BrokenStopped", "broken.gif", false,
                                                          "Cannot Open/Load broken.gif."}),
                         [](const auto& info) { return std::string(info.param.name); });

// The file opens, so the change waits; only loading it at the change shows it is broken.
TEST(BackgroundPictures, ABrokenPictureAtTheChangeKeepsTheOldOne) {
    PictureRig rig;
    rig.Image1.setPicture(PictureRig::solid(Qt::blue));
    rig.play();
    rig.pictures.TxtPictName->setText("broken.gif");
    EXPECT_EQ(rig.state.PictureChangeDue, True);
    rig.pictures.ChangePicture("/la");
    EXPECT_EQ(rig.LblVersion.text(), "Cannot load broken.gif.");
    EXPECT_EQ(rig.shown(), "blue");
    EXPECT_EQ(rig.state.PictureChangeDue, False);
    EXPECT_EQ(rig.pictures.Timer3->interval(), 25000) << "the slideshow goes on";
}

TEST(BackgroundPictures, TheMovieBackgroundStaysUntilPicturesAreSwitchedOnAgain) {
    PictureRig rig;
    rig.pictures.LblTim_Click();
    EXPECT_EQ(rig.LblVersion.text(), "Picture Mode is now OFF");
    EXPECT_EQ(rig.shown(), "yellow");
    EXPECT_EQ(rig.state.PlainBackground, True);

    rig.pictures.Timer3_Timer();
    EXPECT_EQ(rig.state.PictureChangeDue, True) << "only marked, no picture chosen";
    rig.state.PictureChangeDue = False;
    rig.FileList.setListIndex(3);
    rig.pictures.TxtPictName->setText("red.jpg");
    EXPECT_EQ(rig.shown(), "yellow");

    rig.pictures.Image1_Click();
    EXPECT_EQ(rig.LblVersion.text(), "Picture Mode is now ON");
    EXPECT_EQ(rig.shown(), "red");
    EXPECT_EQ(rig.state.PictureMode, True);
}

TEST(BackgroundPictures, HotSpotsWaitWhileAChangeIsDueDuringPlay) {
    PictureRig rig;
    rig.Image1.setPicture(PictureRig::solid(Qt::blue));
    rig.play();
    rig.state.PictureChangeDue = True;
    rig.pictures.LblTim_Click();
    EXPECT_EQ(rig.state.PlainBackground, False);
    EXPECT_EQ(rig.shown(), "blue");
    rig.state.PlainBackground = True;
    rig.state.PictureMode = False;
    rig.pictures.Image1_Click();
    EXPECT_EQ(rig.state.PictureMode, False);
}

TEST(BackgroundPictures, RestartShowsTheSelectedPictureAndArmsTheTimer) {
    PictureRig rig;
    rig.FileList.setListIndex(2);
    rig.state.PictureInterval = 45000;
    rig.pictures.restartPictureTimer();
    EXPECT_EQ(rig.shown(), "green");
    EXPECT_EQ(rig.pictures.Timer3->interval(), 45000);
    EXPECT_TRUE(rig.pictures.Timer3->isTicking());
}

} // namespace
