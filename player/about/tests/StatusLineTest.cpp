// The status line's colours and its double click.
#include "about/StatusLine.h"

#include "about/StatusColour.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>

using namespace player;

namespace {
const QColor kRed(0xFF, 0, 0);
const QColor kCyan(0, 0xFF, 0xFF);

QColor shownColour(QLabel& label) {
    label.grab(); // paints it, as the screen would
    return label.palette().color(QPalette::WindowText);
}
} // namespace

TEST(StatusColourTest, FullStopAtTheEndMarksAnError) {
    struct Row {
        const char* text;
        QColor colour;
    } rows[] = {
        {"Midi Device Not Opened.", kRed},
        {"GetLyric TimeOut.   ", kRed},
        {"  Bad scale mode.  ", kRed},
        {"Loading. Please wait...", kRed},
        {"Auto Play is now OFF", kCyan},
        {"Transpose Ok", kCyan},
        {"Ends with a dot. then words", kCyan},
        {"", kCyan},
        {"   ", kCyan},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(statusTextColour(QString::fromLatin1(r.text)), r.colour);
    }
}

TEST(StatusLineTest, EachNewCaptionIsColouredBeforeItShows) {
    QLabel LblVersion(QStringLiteral("Ze-Dazarav Uzadiz V208"));
    PlayerState state;
    StatusLine line(LblVersion, state);
    EXPECT_EQ(shownColour(LblVersion), kFirstStatusColour) << "the first caption keeps its colour";

    LblVersion.setText(QStringLiteral("Midi Device Not Opened.  "));
    EXPECT_EQ(shownColour(LblVersion), kRed);
    LblVersion.setText(QStringLiteral("Reset Ok"));
    EXPECT_EQ(shownColour(LblVersion), kCyan);
}

TEST(StatusLineTest, DoubleClickShowsTheLyricScreenSize) {
    QLabel LblVersion(QStringLiteral("GetLyric TimeOut."));
    PlayerState state;
    state.DisplayHeight = 11520;
    state.DisplayWidth = 15360;
    StatusLine line(LblVersion, state);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&LblVersion, &dbl);
    EXPECT_EQ(LblVersion.text(), "H=11520, W=15360");
    EXPECT_EQ(LblVersion.palette().color(QPalette::WindowText), kCyan);
}
