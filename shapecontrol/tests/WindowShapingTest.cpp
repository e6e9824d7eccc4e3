// A Contora shapes its parent window when shown at run time, drags it, and unloads it.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <contolib/Contora.h>
#include <contolib/FormData.h>
#include <contolib/FormHost.h>
#include <gtest/gtest.h>
#include <memory>

using contolib::Contora;
using contolib::FormData;
using contolib::FormHost;

namespace {

const QString PlayerForm = QStringLiteral(PLAYER_FORMS_DIR "/FrmMain.form");

// A borderless panel of the player's size with the player's Contora1 on it.
class ShapedPanel {
public:
    ShapedPanel(FormHost::Mode mode, const FormData& data) : host(new FormHost(&panel, mode)) {
        panel.setWindowFlag(Qt::FramelessWindowHint);
        panel.setGeometry(100, 100, 604, 196);
        contora = host->createContora(data, "Contora1", nullptr);
    }
    explicit ShapedPanel(FormHost::Mode mode) : ShapedPanel(mode, playerForm()) {}

    static FormData playerForm() {
        FormData data;
        EXPECT_TRUE(data.readFile(PlayerForm, nullptr));
        return data;
    }

    // The player's first activation: the panel is up, then the control becomes visible.
    void showShaped() {
        panel.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
        contora->show();
    }

    QWidget panel;
    FormHost* host;
    Contora* contora = nullptr;
};

TEST(WindowShaping, ThePlayersOutlineCutsTheCorners) {
    ShapedPanel shaped(FormHost::Mode::User);
    ASSERT_NE(shaped.contora, nullptr);
    shaped.panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shaped.panel));
    EXPECT_TRUE(shaped.panel.mask().isEmpty()) << "hidden control, rectangular panel";

    shaped.contora->show();
    const QRegion mask = shaped.panel.mask();
    for (QPoint inside : {QPoint(300, 100), QPoint(8, 1), QPoint(1, 10), QPoint(5, 5),
                          QPoint(595, 190), QPoint(10, 194), QPoint(600, 9)})
        EXPECT_TRUE(mask.contains(inside)) << inside.x() << "," << inside.y();
    for (QPoint corner : {QPoint(0, 0), QPoint(1, 1), QPoint(603, 0), QPoint(602, 1),
                          QPoint(0, 195), QPoint(1, 194), QPoint(603, 195), QPoint(602, 194)})
        EXPECT_FALSE(mask.contains(corner)) << corner.x() << "," << corner.y();
}

TEST(WindowShaping, ShowingThePanelAgainAppliesTheOutlineAnew) {
    ShapedPanel shaped(FormHost::Mode::User);
    shaped.showShaped();
    ASSERT_TRUE(shaped.panel.mask().contains(QPoint(300, 100)));

    // A triangle over the left half: only a fresh shaping can produce it.
    shaped.panel.hide();
    shaped.contora->setArrLength(3);
    ASSERT_FALSE(shaped.contora->setPointStr("0\r\n0\r\n300\r\n0\r\n0\r\n190\r\n").has_value());
    shaped.panel.show();
    const QRegion mask = shaped.panel.mask();
    EXPECT_TRUE(mask.contains(QPoint(20, 20)));
    EXPECT_FALSE(mask.contains(QPoint(300, 100)));
    EXPECT_FALSE(mask.contains(QPoint(595, 190)));
}

TEST(WindowShaping, InTheDesignerThePanelStaysRectangular) {
    ShapedPanel shaped(FormHost::Mode::Design);
    shaped.showShaped();
    EXPECT_TRUE(shaped.panel.mask().isEmpty());
}

struct OutlineCase {
    const char* name;
    QString numOfPoints;
    QString pointStr;
};

TEST(WindowShaping, OutlinesWithoutAreaLeaveTheRectangle) {
    const std::vector<OutlineCase> cases = {
        {"no points", "0", "0"},
        {"two points", "2", "0\\r\\n0\\r\\n600\\r\\n190\\r\\n"},
        {"three points on a line", "3", "0\\r\\n0\\r\\n10\\r\\n10\\r\\n20\\r\\n20\\r\\n"},
        {"negative count", "-5", "0\\r\\n0\\r\\n600\\r\\n0\\r\\n600\\r\\n190\\r\\n"},
        {"letters", "3", "a\\r\\nb\\r\\nc\\r\\nd\\r\\ne\\r\\nf\\r\\n"},
        {"count too large for the polygon builder", "32767", "0\\r\\n0\\r\\n600\\r\\n0\\r\\n"},
    };
    for (const OutlineCase& c : cases) {
        const FormData data = FormData::fromText(QStringLiteral("[Contora1]\nNumOfPoints=") +
                                                 c.numOfPoints + "\nPointStr=" + c.pointStr);
        ShapedPanel shaped(FormHost::Mode::User, data);
        shaped.panel.setMask(QRegion(0, 0, 10, 10)); // a stale outline must not survive
        shaped.showShaped();
        EXPECT_TRUE(shaped.panel.mask().isEmpty()) << c.name;
    }
}

TEST(WindowShaping, VerticesFarOffTheWindowAreCutAtItsEdge) {
    const FormData data = FormData::fromText(u"[Contora1]\nNumOfPoints=4\nPointStr="
                                             u"100\\r\\n-2000000000\\r\\n200\\r\\n-2000000000\\r\\n"
                                             u"200\\r\\n2000000000\\r\\n100\\r\\n2000000000\\r\\n");
    ShapedPanel shaped(FormHost::Mode::User, data);
    shaped.showShaped();
    const QRegion mask = shaped.panel.mask();
    EXPECT_TRUE(mask.contains(QPoint(150, 0)));
    EXPECT_TRUE(mask.contains(QPoint(150, 195)));
    EXPECT_FALSE(mask.contains(QPoint(50, 100)));
    EXPECT_FALSE(mask.contains(QPoint(250, 100)));
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

TEST(WindowDragging, MovingThePointerMovesThePanelBySoMuch) {
    ShapedPanel shaped(FormHost::Mode::User);
    shaped.contora->setGeometry(10, 10, 37, 37);
    shaped.showShaped();
    const QPoint start = shaped.panel.pos();

    sendMouse(shaped.contora, QEvent::MouseMove, {12, 9}, Qt::NoButton);
    EXPECT_EQ(shaped.panel.pos(), start) << "a move without a press moves nothing";

    // 15 twips per pixel: (+30, -15) twips is (+2, -1) pixels.
    sendMouse(shaped.contora, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
    sendMouse(shaped.contora, QEvent::MouseMove, {12, 9}, Qt::LeftButton);
    EXPECT_EQ(shaped.panel.pos(), start + QPoint(2, -1));
    EXPECT_EQ(shaped.host->parentLeft() - start.x() * 15, 30);
    EXPECT_EQ(shaped.host->parentTop() - start.y() * 15, -15);

    // The control moved with the panel, so the same local position moves it again.
    sendMouse(shaped.contora, QEvent::MouseMove, {12, 9}, Qt::LeftButton);
    EXPECT_EQ(shaped.panel.pos(), start + QPoint(4, -2));

    sendMouse(shaped.contora, QEvent::MouseButtonRelease, {12, 9}, Qt::NoButton);
    sendMouse(shaped.contora, QEvent::MouseMove, {30, 30}, Qt::NoButton);
    EXPECT_EQ(shaped.panel.pos(), start + QPoint(4, -2)) << "released: no more dragging";
}

TEST(WindowKeys, EscapeUnloadsThePanelAndOtherKeysDoNothing) {
    ShapedPanel shaped(FormHost::Mode::User);
    shaped.showShaped();
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Return, Qt::Key_Space})
        QTest::keyClick(shaped.contora, key);
    EXPECT_TRUE(shaped.panel.isVisible());
    QTest::keyClick(shaped.contora, Qt::Key_Escape);
    EXPECT_FALSE(shaped.panel.isVisible());
}

} // namespace
