// The faces on a panel window, driven by real mouse events: where each face sits, the
// routing of moves under the capture, and whole press-drag-release gestures.
#include "panel/PanelFaces.h"

#include "RecordingActions.h"
#include "widgets/ImageBox.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

using namespace player;

namespace {

QPixmap solid(const QColor& colour) {
    QPixmap p(8, 8);
    p.fill(colour);
    return p;
}

PanelArt plainArt() {
    PanelArt art;
    art.background = solid(Qt::darkGray);
    for (auto& images : art.faces)
        images = {solid(Qt::blue), solid(Qt::red), solid(Qt::yellow)};
    return art;
}

class PanelFacesTest : public ::testing::Test {
protected:
    PanelFacesTest() {
        panel.resize(9060 * panel.logicalDpiX() / 1440, 2940 * panel.logicalDpiY() / 1440);
        state.SongCount = 3;
        state.DeviceReady = True;
        state.IsStopped = True;
        faces.PaintPanel();
        panel.show();
    }

    // A position in the widget's own twips, in pixels.
    QPointF pixels(QWidget* w, float x, float y) const {
        return {x * w->logicalDpiX() / 1440.0, y * w->logicalDpiY() / 1440.0};
    }
    void send(QWidget* w, QEvent::Type type, float x, float y, Qt::MouseButton button,
              Qt::MouseButtons held) {
        const QPointF local = pixels(w, x, y);
        QMouseEvent event(type, local, w->mapToGlobal(local), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    }
    void move(QWidget* w, float x, float y, Qt::MouseButtons held = Qt::NoButton) {
        send(w, QEvent::MouseMove, x, y, Qt::NoButton, held);
    }
    void press(QWidget* w, float x, float y, Qt::MouseButton b = Qt::LeftButton) {
        send(w, QEvent::MouseButtonPress, x, y, b, b);
    }
    void release(QWidget* w, float x, float y, Qt::MouseButton b = Qt::LeftButton) {
        send(w, QEvent::MouseButtonRelease, x, y, b, Qt::NoButton);
    }

    QWidget panel;
    PlayerState state;
    RecordingActions actions;
    PanelFaces faces{panel, plainArt(), state, actions};
};

} // namespace

TEST_F(PanelFacesTest, FacesSitAtTheirPlacesWithTheirTooltips) {
    // 15 twips per pixel on the test screen.
    ASSERT_EQ(panel.logicalDpiX(), 96);
    EXPECT_EQ(faces.face(PicPower)->geometry(), QRect(17, 15, 72, 52));
    EXPECT_EQ(faces.face(PicFont(0))->geometry(), QRect(480, 159, 35, 19));
    EXPECT_EQ(faces.face(PicFont(9))->geometry(), QRect(156, 159, 35, 19));
    EXPECT_EQ(faces.face(PicTrUp)->toolTip(), " Transpose Up/Down ");
    EXPECT_EQ(faces.face(PicFont(5))->toolTip(), " Switch Font ");
    EXPECT_TRUE(faces.face(PicPlay)->toolTip().isEmpty());
    EXPECT_EQ(faces.background()->geometry(), panel.rect());
    EXPECT_FALSE(faces.background()->picture().isNull());
}

TEST_F(PanelFacesTest, HoverEndsWhenThePointerMovesOverThePanelOrLeavesIt) {
    FaceBox* list = faces.face(PicList);
    move(list, 150, 200);
    EXPECT_EQ(list->shownImage(), FaceImage::Hover);
    EXPECT_EQ(faces.capture().holder(), faces.faceHandle(PicList));

    move(&panel, 4000, 100); // over the panel's background
    EXPECT_EQ(list->shownImage(), FaceImage::Normal);
    EXPECT_EQ(faces.capture().holder(), 0);

    move(list, 150, 200);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&panel, &leave);
    EXPECT_EQ(list->shownImage(), FaceImage::Normal);
    EXPECT_EQ(faces.capture().holder(), 0);
}

TEST_F(PanelFacesTest, UnderTheCaptureAnotherFaceHearsNothing) {
    FaceBox* list = faces.face(PicList);
    FaceBox* about = faces.face(PicAbou);
    move(list, 150, 200);
    // The pointer is over About, but List holds the capture: List sees a move outside.
    move(about, 150, 100);
    EXPECT_EQ(list->shownImage(), FaceImage::Normal);
    EXPECT_EQ(about->shownImage(), FaceImage::Normal);
    move(about, 150, 100);
    EXPECT_EQ(about->shownImage(), FaceImage::Hover);
}

TEST_F(PanelFacesTest, PressDragOutAndBackReleaseInsideActsOnce) {
    FaceBox* open = faces.face(PicOpen);
    press(open, 400, 200);
    EXPECT_EQ(open->shownImage(), FaceImage::Pressed);
    move(open, 800, 200, Qt::LeftButton); // beyond Right = 700
    EXPECT_EQ(open->shownImage(), FaceImage::Normal);
    move(open, 700, 300, Qt::LeftButton); // exactly on the corner
    EXPECT_EQ(open->shownImage(), FaceImage::Pressed);
    release(open, 700, 300);
    EXPECT_EQ(open->shownImage(), FaceImage::Normal);
    EXPECT_EQ(actions.log, std::vector<std::string>{"CmdBrowse_Click"});
}

TEST_F(PanelFacesTest, ReleaseOutsideCancelsThePress) {
    FaceBox* next = faces.face(PicNext);
    press(next, 300, 200, Qt::RightButton);
    move(next, 300, 400, Qt::RightButton);
    release(next, 300, 400, Qt::RightButton);
    EXPECT_TRUE(actions.log.empty());
    EXPECT_EQ(next->shownImage(), FaceImage::Normal);
}

TEST_F(PanelFacesTest, TransportFacesFollowTheFlags) {
    state.IsStopped = False;
    state.IsPlaying = True;
    faces.RefreshTransportFaces();
    EXPECT_EQ(faces.face(PicPlay)->shownImage(), FaceImage::Hover);
    EXPECT_EQ(faces.face(PicStop)->shownImage(), FaceImage::Normal);
    // Lit Play ignores the pointer and keeps its look.
    move(faces.face(PicPlay), 300, 200);
    press(faces.face(PicPlay), 300, 200);
    release(faces.face(PicPlay), 300, 200);
    EXPECT_EQ(faces.face(PicPlay)->shownImage(), FaceImage::Hover);
    EXPECT_TRUE(actions.log.empty());
}
