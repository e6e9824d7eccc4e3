// The about box steps aside for any other window of the player.
#include "about/FrmAbout.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace player;

TEST(FrmAboutTest, HidesWhenAnotherWindowBecomesActive) {
    QPixmap picture(20, 20);
    picture.fill(Qt::darkBlue);
    FrmAbout about(picture, picture);
    QWidget panel;
    panel.resize(100, 50);

    about.CmdAbout_Click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    EXPECT_EQ(about.windowTitle(), "About Box");
    EXPECT_TRUE(about.LblCredit[1]->font().bold());
    EXPECT_FALSE(about.LblCredit[0]->font().bold());

    panel.show();
    panel.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !about.isVisible(); }, 2000));
}
