// The lyric screen's size, its font and the font size controls of the panel.
#include "PlayerFixture.h"
#include "device/FakeDevice.h"
#include "forms/FrmLyric.h"
#include "widgets/Twips.h"

#include <QFontDatabase>
#include <cstdlib>
#include <filesystem>

using namespace player;

namespace {

using LyricScreenControls = PlayerFixture<FakeDevice>;

struct SizeCase {
    const char* name;
    int32_t height, width;
    int32_t rowTop, titleLeft;
};

class DisplaySizes : public LyricScreenControls, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(DisplaySizes, PlaceTheRowsAndCentreTheTitles) {
    const auto& c = GetParam();
    panel.SetDisplaySize(False, c.height, c.width);
    EXPECT_EQ(state.DisplayHeight, c.height);
    EXPECT_EQ(state.DisplayWidth, c.width);
    EXPECT_EQ(state.LyricRowTop, c.rowTop);
    for (QLabel* title : lyric.LblTit)
        EXPECT_EQ(title->x(), twipsToPixels(c.titleLeft, title));
    EXPECT_EQ(lyric.Image1->width(), twipsToPixels(c.width, lyric.Image1));
    EXPECT_EQ(lyric.Image1->height(), twipsToPixels(c.height, lyric.Image1));
}

INSTANTIATE_TEST_SUITE_P(Screens, DisplaySizes,
                         ::testing::Values(SizeCase{"Screen1024x768", 11520, 15360, 8640, 2962},
                                           SizeCase{"OddHeight", 7199, 9600, 5400, 82},
                                           SizeCase{"NarrowerThanTitles", 7200, 9000, 5400, -217}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LyricScreenControls, TheSmallWindowIsCentredOnTheFullScreen) {
    state.FullWidth = 15360;
    state.FullHeight = 11520;
    state.SmallWidth = 9600;
    state.SmallHeight = 7200;
    panel.SetDisplaySize(True, state.SmallHeight, state.SmallWidth);
    EXPECT_EQ(lyric.geometry(), QRect(2880 / 15, 2160 / 15, 640, 480));
    EXPECT_EQ(state.LyricRowTop, 5400);
}

TEST_F(LyricScreenControls, FontChoiceReportsWhatItCouldNotDo) {
    panel.CmdFont_Click(10);
    EXPECT_EQ(panel.LblVersion->text(), "Invalid index.");
    panel.CmdFont_Click(-1);
    EXPECT_EQ(panel.LblVersion->text(), "Invalid index.");
    const QString before = lyric.Image1->fontFamily();
    if (!QFontDatabase::families().contains(".VnExotic")) {
        panel.CmdFont_Click(2);
        EXPECT_EQ(panel.LblVersion->text(), ".VnExotic not installed.");
        EXPECT_EQ(lyric.Image1->fontFamily(), before);
    }
}

TEST_F(LyricScreenControls, AnInstalledFontGoesToTheTitlesAndTheLyric) {
    const char* built = std::getenv("MELODECK_APP_DIR");
    const auto font = std::filesystem::path(built ? built : "") / "Vntime.ttf";
    if (!std::filesystem::exists(font) ||
        QFontDatabase::addApplicationFont(QString::fromStdString(font.string())) < 0)
        GTEST_SKIP() << "the demo lyric fonts are not built";
    lyric.LblTit[0]->setText(" Song ");
    panel.CmdFont_Click(1);
    EXPECT_EQ(panel.LblVersion->text(), ".VnTime");
    EXPECT_EQ(lyric.Image1->fontFamily(), ".VnTime");
    EXPECT_EQ(lyric.LblTit[0]->text(), "Song");
    for (QLabel* title : lyric.LblTit)
        EXPECT_EQ(title->font().family(), ".VnTime");
    EXPECT_EQ(lyric.LblTit[1]->text(), "") << "an empty title gets no caption";
}

TEST_F(LyricScreenControls, SizeButtonsStepBetween20And28AndTurnAutoResizeOff) {
    panel.CmdUpSize_Click();
    EXPECT_EQ(lyric.Image1->fontSize(), 28);
    EXPECT_EQ(panel.LblVersion->text(), "Font Size =  28");
    EXPECT_EQ(state.AutoLyricResize, False);
    panel.LblVersion->clear();
    panel.CmdUpSize_Click(); // already the largest
    EXPECT_EQ(panel.LblVersion->text(), "");
    for (int i = 0; i < 5; ++i)
        panel.CmdDnSize_Click();
    EXPECT_EQ(state.FontSizeIndex, 0);
    EXPECT_EQ(lyric.Image1->fontSize(), 20);

    panel.CmdAutoLSize_Click();
    EXPECT_EQ(state.AutoLyricResize, True);
    EXPECT_EQ(panel.LblVersion->text(), "Auto Lyric Resize is now ON");
    panel.CmdUpSize_Click();
    panel.CmdAutoLSize_Click();
    EXPECT_EQ(state.AutoLyricResize, True) << "the size button had turned it off";
    panel.CmdAutoLSize_Click();
    EXPECT_EQ(state.AutoLyricResize, False);
    EXPECT_EQ(panel.LblVersion->text(), "Auto Lyric Resize is now OFF");
    EXPECT_EQ(lyric.Image1->fontSize(), 22);
}

TEST_F(LyricScreenControls, AClickOnTheLyricScreenHidesThePanelADoubleClickShowsIt) {
    panel.show();
    emit lyric.Click();
    EXPECT_FALSE(panel.isVisible());
    emit lyric.DblClick();
    EXPECT_TRUE(panel.isVisible());
}

} // namespace
