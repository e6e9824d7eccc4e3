// The Points page traces an outline over the control's picture.
#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWidget>
#include <contolib/Contora.h>
#include <contolib/FormHost.h>
#include <contolib/PointsPage.h>
#include <gtest/gtest.h>

using contolib::Contora;
using contolib::FormHost;
using contolib::PointsPage;

namespace {

// The page over a white picture of one fresh control, as the designer opens it.
class PointsPageTest : public ::testing::Test {
protected:
    PointsPageTest() {
        contora = host.addContora("Contora1");
        setPicture(QSize(600, 400));
        page.setSelection({contora});
        page.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&page));
    }

    void setPicture(QSize size) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::white);
        contora->setPicture(picture);
        page.setSelection({contora});
    }

    QWidget* child(const char* name) { return page.findChild<QWidget*>(name); }
    QScrollBar* bar(const char* name) { return page.findChild<QScrollBar*>(name); }

    // A click through the window, reaching whichever widget lies under `at`.
    void clickPage(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(page.windowHandle(), button, Qt::NoModifier, at);
    }
    void clickCanvas(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        clickPage(child("Picture2")->mapTo(&page, at), button);
    }

    // What the canvas shows after the page has painted.
    QImage canvasAfterPaint() {
        page.repaint();
        return child("Picture2")->grab().toImage();
    }
    static bool marked(const QImage& canvas, QPoint at) {
        return canvas.pixelColor(at) == QColor(Qt::black) &&
               canvas.pixelColor(at + QPoint(3, 0)) == QColor(Qt::black);
    }

    QWidget form;
    FormHost host{&form, FormHost::Mode::Design};
    Contora* contora = nullptr;
    PointsPage page;
};

TEST_F(PointsPageTest, LeftClicksAddPointsAndThePaintMarksThemAndTheOrigin) {
    const std::vector<QPoint> clicks = {{10, 20}, {30, 20}, {30, 40}};
    for (QPoint at : clicks)
        clickCanvas(at);
    EXPECT_EQ(contora->arrLength(), 3);
    EXPECT_EQ(contora->PointStr(), "010\r\n20\r\n30\r\n20\r\n30\r\n40\r\n");
    EXPECT_TRUE(host.isDirty());

    const QImage canvas = canvasAfterPaint();
    for (QPoint at : clicks)
        EXPECT_TRUE(marked(canvas, at)) << at.x() << "," << at.y();
    EXPECT_TRUE(marked(canvas, {0, 0})) << "the closing slot marks the origin";
    EXPECT_FALSE(marked(canvas, {20, 30}));
}

TEST_F(PointsPageTest, ARightClickEmptiesTheList) {
    clickCanvas({10, 20});
    clickCanvas({30, 20});
    clickCanvas({50, 50}, Qt::RightButton);
    EXPECT_EQ(contora->arrLength(), 0);
    EXPECT_EQ(contora->PointStr(), "");

    const QImage canvas = canvasAfterPaint();
    EXPECT_FALSE(marked(canvas, {10, 20}));
    EXPECT_FALSE(marked(canvas, {30, 20}));
    EXPECT_TRUE(marked(canvas, {0, 0}));
}

TEST_F(PointsPageTest, LeftTogetherWithAnotherButtonClears) {
    clickCanvas({10, 20});
    QWidget* canvas = child("Picture2");
    QMouseEvent chord(QEvent::MouseButtonPress, QPointF(30, 20),
                      canvas->mapToGlobal(QPointF(30, 20)), Qt::RightButton,
                      Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &chord);
    EXPECT_EQ(contora->arrLength(), 0);
}

TEST_F(PointsPageTest, TheClearButtonEmptiesTheList) {
    clickCanvas({10, 20});
    page.findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(contora->arrLength(), 0);
    EXPECT_EQ(contora->PointStr(), "");
}

TEST_F(PointsPageTest, AClickOutsideTheViewportUsesThePagesCoordinates) {
    const QPoint free(page.width() - 2, page.height() - 2);
    ASSERT_EQ(page.childAt(free), nullptr) << "no control lies there";
    clickPage(free);
    ASSERT_EQ(contora->arrLength(), 1);
    EXPECT_EQ(contora->GetPointX(0).value(), free.x());
    EXPECT_EQ(contora->GetPointY(0).value(), free.y());
}

TEST_F(PointsPageTest, ScrollingShiftsTheRecordedPoint) {
    const QPoint place = child("Picture1")->mapTo(&page, QPoint(100, 60));
    clickPage(place);
    bar("HScroll1")->setValue(50);
    bar("VScroll1")->setValue(20);
    clickPage(place);
    ASSERT_EQ(contora->arrLength(), 2);
    EXPECT_EQ(contora->GetPointX(1).value() - contora->GetPointX(0).value(), 50);
    EXPECT_EQ(contora->GetPointY(1).value() - contora->GetPointY(0).value(), 20);
}

TEST_F(PointsPageTest, OnlyTheFirstSelectedControlIsEdited) {
    Contora* second = host.addContora("Contora2");
    page.setSelection({contora, second});
    clickCanvas({10, 20});
    EXPECT_EQ(contora->arrLength(), 1);
    EXPECT_EQ(second->arrLength(), 0);
    EXPECT_EQ(second->PointStr(), "0");
}

struct RangeCase {
    int excess; // canvas size minus viewport size, in pixels
    int maximum;
    int pageStep;
    int singleStep;
};

TEST_F(PointsPageTest, ScrollRangesFollowTheCanvasWithStepsOfAtLeastOne) {
    const QSize viewport = child("Picture1")->size();
    const int defaultPage = QScrollBar().pageStep();
    const int defaultSingle = QScrollBar().singleStep();
    const std::vector<RangeCase> cases = {
        {125, 125, 25, 5}, {100, 100, 20, 4}, {13, 13, 3, 1},
        {12, 12, 2, 1},    {2, 2, 1, 1},      {1, 1, 1, 1},
    };
    for (const RangeCase& c : cases) {
        setPicture(viewport + QSize(c.excess, c.excess));
        page.repaint();
        for (const char* name : {"HScroll1", "VScroll1"}) {
            EXPECT_EQ(bar(name)->maximum(), c.maximum) << name << " " << c.excess;
            EXPECT_EQ(bar(name)->pageStep(), c.pageStep) << name << " " << c.excess;
            EXPECT_EQ(bar(name)->singleStep(), c.singleStep) << name << " " << c.excess;
        }
    }
    EXPECT_EQ(bar("HScroll1")->width(), viewport.width());
    EXPECT_EQ(bar("VScroll1")->height(), viewport.height());

    // A canvas that fits has nothing to scroll; the steps stay as they were.
    PointsPage fresh;
    QWidget otherForm;
    FormHost otherHost(&otherForm, FormHost::Mode::Design);
    Contora* small = otherHost.addContora("Contora1");
    QImage picture(viewport - QSize(50, 50), QImage::Format_RGB32);
    picture.fill(Qt::white);
    small->setPicture(picture);
    fresh.setSelection({small});
    fresh.DrawAll();
    ASSERT_EQ(fresh.findChild<QWidget*>("Picture2")->size(), picture.size());
    EXPECT_EQ(fresh.findChild<QScrollBar*>("HScroll1")->maximum(), 0);
    EXPECT_EQ(fresh.findChild<QScrollBar*>("HScroll1")->pageStep(), defaultPage);
    EXPECT_EQ(fresh.findChild<QScrollBar*>("VScroll1")->singleStep(), defaultSingle);
}

} // namespace
