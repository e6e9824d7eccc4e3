// The mouse handling of the faces as logic: sequences of mouse events on one face, the
// guards of the transport and the song steps, and the action each face starts.
#include "panel/FaceMouse.h"

#include "RecordingActions.h"
#include "panel/PanelPaint.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

using namespace player;

namespace {

class RecordingPainter : public FacePainter {
public:
    std::map<int, FaceImage> shown;
    int paints = 0;
    bool backgroundPainted = false;

    void paintBackground() override { backgroundPainted = true; }
    void paintFace(int face, FaceImage image) override {
        shown[face] = image;
        ++paints;
    }
    int32_t faceHandle(int face) const override { return 100 + face; }
};

struct Step {
    enum Kind { Down, Move, Up } kind;
    int16_t buttons;
    float x;
    float y;
};

class FaceMouseTest : public ::testing::Test {
protected:
    FaceMouseTest() {
        state.SongCount = 5;
        state.DeviceReady = True;
        state.IsStopped = True;
        PaintPanel(painter, buttons);
        painter.paints = 0;
    }

    void run(int face, const std::vector<Step>& steps) {
        for (const Step& s : steps) {
            if (s.kind == Step::Down)
                mouse.MouseDown(face, s.buttons, s.x, s.y);
            else if (s.kind == Step::Move)
                mouse.MouseMove(face, s.buttons, s.x, s.y);
            else
                mouse.MouseUp(face, s.buttons, s.x, s.y);
        }
    }
    void click(int face, float x, float y) {
        run(face, {{Step::Down, 1, x, y}, {Step::Up, 1, x, y}});
    }
    int32_t handle(int face) const { return buttons[static_cast<size_t>(face)].Handle; }

    PlayerState state;
    SkinButtons buttons = makeSkinButtons();
    MouseCapture capture;
    RecordingPainter painter;
    RecordingActions actions;
    FaceMouse mouse{state, buttons, capture, painter, actions};
};

constexpr int16_t L = FaceMouse::kLeft;
constexpr int16_t R = FaceMouse::kRight;
constexpr int16_t M = FaceMouse::kMiddle;

} // namespace

TEST(InRectTest, BoundsBelongToTheRectangle) {
    const HitRect about{80, 260, 50, 250};
    struct Row {
        const char* name;
        float x, y;
        bool inside;
    } rows[] = {
        {"left edge", 80, 100, true},
        {"right edge", 260, 100, true},
        {"top edge", 100, 50, true},
        {"bottom edge", 100, 250, true},
        {"corner", 260, 250, true},
        {"one before left", 79.9f, 100, false},
        {"one past right", 260.1f, 100, false},
        {"one above top", 100, 49.9f, false},
        {"one below bottom", 100, 250.1f, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(InRect(about, r.x, r.y), r.inside);
    }
}

TEST_F(FaceMouseTest, SequencesOnAFaceWithoutGuard) {
    // The About face: active rectangle 80-260, 50-250.
    struct Row {
        const char* name;
        std::vector<Step> steps;
        int actions;
        FaceImage shown;
        bool pressedAfter;
    } rows[] = {
        {"click inside",
         {{Step::Down, L, 100, 100}, {Step::Up, L, 100, 100}},
         1,
         FaceImage::Normal,
         false},
        {"press on the bounds, release on the opposite bounds",
         {{Step::Down, L, 80, 50}, {Step::Up, L, 260, 250}},
         1,
         FaceImage::Normal,
         false},
        {"press just outside",
         {{Step::Down, L, 79, 100}, {Step::Up, L, 100, 100}},
         0,
         FaceImage::Normal,
         false},
        {"press inside shows pressed", {{Step::Down, L, 100, 100}}, 0, FaceImage::Pressed, true},
        {"drag out shows resting",
         {{Step::Down, L, 100, 100}, {Step::Move, L, 300, 100}},
         0,
         FaceImage::Normal,
         true},
        {"drag out and release outside",
         {{Step::Down, L, 100, 100}, {Step::Move, L, 300, 100}, {Step::Up, L, 300, 100}},
         0,
         FaceImage::Normal,
         false},
        {"drag out, back in, release inside",
         {{Step::Down, L, 100, 100},
          {Step::Move, L, 300, 100},
          {Step::Move, L, 120, 100},
          {Step::Up, L, 120, 100}},
         1,
         FaceImage::Normal,
         false},
        {"press outside, drag in: pressed look, release acts not and the look stays",
         {{Step::Down, L, 10, 10}, {Step::Move, L, 100, 100}, {Step::Up, L, 100, 100}},
         0,
         FaceImage::Pressed,
         false},
        {"right button acts like left",
         {{Step::Down, R, 100, 100},
          {Step::Move, R, 300, 100},
          {Step::Move, R, 100, 100},
          {Step::Up, R, 100, 100}},
         1,
         FaceImage::Normal,
         false},
        {"both buttons held: the move changes nothing",
         {{Step::Down, L, 100, 100}, {Step::Move, L | R, 300, 100}},
         0,
         FaceImage::Pressed,
         true},
        {"middle button held: the move changes nothing",
         {{Step::Down, L, 100, 100}, {Step::Move, M, 300, 100}},
         0,
         FaceImage::Pressed,
         true},
        {"hover", {{Step::Move, 0, 100, 100}}, 0, FaceImage::Hover, false},
        {"hover then leave the rectangle",
         {{Step::Move, 0, 100, 100}, {Step::Move, 0, 20, 20}},
         0,
         FaceImage::Normal,
         false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        buttons = makeSkinButtons();
        PaintPanel(painter, buttons);
        capture.release();
        actions.log.clear();
        run(PicAbou, r.steps);
        EXPECT_EQ(static_cast<int>(actions.log.size()), r.actions);
        EXPECT_EQ(painter.shown[PicAbou], r.shown);
        EXPECT_EQ(buttons[PicAbou].Pressed != 0, r.pressedAfter);
    }
}

TEST_F(FaceMouseTest, HoverTakesTheCaptureOnceAndTheMarginGivesItBack) {
    mouse.MouseMove(PicList, 0, 100, 200);
    EXPECT_EQ(capture.holder(), handle(PicList));
    EXPECT_EQ(painter.paints, 1);

    mouse.MouseMove(PicList, 0, 150, 210);
    EXPECT_EQ(painter.paints, 1) << "a move within the rectangle while hovering repaints nothing";

    mouse.MouseMove(PicList, 0, 10, 200);
    EXPECT_EQ(capture.holder(), 0);
    EXPECT_EQ(painter.shown[PicList], FaceImage::Normal);
    mouse.MouseMove(PicList, 0, 5, 200);
    EXPECT_EQ(painter.paints, 3) << "every move over the margin repaints the resting image";

    // Hovering another face takes the capture from the first.
    mouse.MouseMove(PicList, 0, 100, 200);
    mouse.MouseMove(PicAbou, 0, 100, 100);
    EXPECT_EQ(capture.holder(), handle(PicAbou));
}

TEST_F(FaceMouseTest, EachFaceStartsItsOwnAction) {
    state.IsStopped = False; // so that Pause and Stop accept the press
    struct Row {
        int face;
        std::vector<std::string> log;
    } rows[] = {
        {PicPower, {"CmdOff_Click"}},
        {PicAuto, {"CmdAuto_Click"}},
        {PicList, {"CmdList_Click"}},
        {PicAbou, {"CmdAbout_Click"}},
        {PicOpen, {"CmdBrowse_Click"}},
        {PicTrUp, {"CmdTrans_Click"}},
        {PicTrDn, {"CmdTrans_Click"}},
        {PicPrev, {"PrevSong"}},
        {PicNext, {"NextSong"}},
        {PicPlay, {"PlaySong", "UpdateDeviceState"}},
        {PicPaus, {"PauseResume", "UpdateDeviceState"}},
        {PicStop, {"StopSong", "UpdateDeviceState"}},
        {PicFont(0), {"ImgFont_Click 0"}},
        {PicFont(7), {"ImgFont_Click 7"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(faceSpec(r.face).name);
        actions.log.clear();
        const HitRect& hit = faceSpec(r.face).hit;
        click(r.face, (hit.Left + hit.Right) / 2, (hit.Top + hit.Bottom) / 2);
        EXPECT_EQ(actions.log, r.log);
    }
}

TEST_F(FaceMouseTest, PauseAndStopLetGoOfTheCaptureBeforeTheStateIsRead) {
    state.IsStopped = False;
    for (int face : {PicPaus, PicStop}) {
        SCOPED_TRACE(faceSpec(face).name);
        mouse.MouseMove(face, 0, 300, 200);
        ASSERT_EQ(capture.holder(), handle(face));
        click(face, 300, 200);
        EXPECT_EQ(capture.holder(), 0);
    }
}

TEST_F(FaceMouseTest, GuardsKeepIdleFacesStill) {
    struct Row {
        const char* name;
        int face;
        int16_t songCount;
        Flag16 ready, playing, paused, stopped;
        bool acts;         // a click runs the action
        bool hovers;       // a move inside shows the hover look
        bool dropsCapture; // a move drops a capture held by another face
    } rows[] = {
        {"Prev with one song", PicPrev, 1, True, False, False, True, false, false, false},
        {"Next with one song", PicNext, 1, True, False, False, True, false, false, false},
        {"Next with two songs", PicNext, 2, True, False, False, True, true, true, false},
        {"Play, device not ready", PicPlay, 5, False, False, False, True, false, false, false},
        {"Play while playing", PicPlay, 5, True, True, False, False, false, false, true},
        {"Play while stopped", PicPlay, 5, True, False, False, True, true, true, false},
        {"Pause, device not ready", PicPaus, 5, False, True, False, False, false, false, false},
        {"Pause while stopped", PicPaus, 5, True, False, False, True, false, false, true},
        {"Pause while playing", PicPaus, 5, True, True, False, False, true, true, false},
        {"Stop, device not ready", PicStop, 5, False, True, False, False, false, false, false},
        {"Stop while stopped", PicStop, 5, True, False, False, True, false, false, true},
        {"Stop while paused", PicStop, 5, True, False, True, False, true, true, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        state.SongCount = r.songCount;
        state.DeviceReady = r.ready;
        state.IsPlaying = r.playing;
        state.IsPaused = r.paused;
        state.IsStopped = r.stopped;
        const HitRect& hit = faceSpec(r.face).hit;
        const float x = (hit.Left + hit.Right) / 2, y = (hit.Top + hit.Bottom) / 2;

        capture.capture(handle(PicAbou));
        painter.shown.erase(r.face);
        mouse.MouseMove(r.face, 0, x, y);
        EXPECT_EQ(painter.shown.count(r.face) == 1 && painter.shown[r.face] == FaceImage::Hover,
                  r.hovers);
        if (!r.hovers) {
            EXPECT_EQ(capture.holder() == 0, r.dropsCapture);
        }

        actions.log.clear();
        capture.release();
        click(r.face, x, y);
        EXPECT_EQ(!actions.log.empty(), r.acts);
    }
}

TEST_F(FaceMouseTest, StopWhileStoppedDropsTheCaptureOnPress) {
    capture.capture(handle(PicAbou));
    mouse.MouseDown(PicStop, L, 300, 200);
    EXPECT_EQ(capture.holder(), 0);
    EXPECT_FALSE(buttons[PicStop].Pressed);
}

TEST_F(FaceMouseTest, AcceptedPressIsReleasedEvenWhenTheDeviceWentAway) {
    state.IsStopped = False;
    mouse.MouseDown(PicPlay, L, 300, 200);
    state.DeviceReady = False;
    state.IsPlaying = True;
    mouse.MouseUp(PicPlay, L, 300, 200);
    EXPECT_EQ(actions.log, (std::vector<std::string>{"PlaySong", "UpdateDeviceState"}));
}

TEST_F(FaceMouseTest, PauseRestsLitWhilePaused) {
    state.IsStopped = False;
    state.IsPaused = True;
    run(PicPaus, {{Step::Move, 0, 300, 200}, {Step::Move, 0, 10, 10}});
    EXPECT_EQ(painter.shown[PicPaus], FaceImage::Hover);
    run(PicPaus, {{Step::Down, L, 300, 200}, {Step::Up, L, 300, 200}});
    EXPECT_EQ(painter.shown[PicPaus], FaceImage::Hover);
}

TEST_F(FaceMouseTest, AReleaseClearsOnlyItsOwnFacesPress) {
    // TrUp and TrDn share one action; each keeps its own record.
    mouse.MouseDown(PicTrUp, L, 200, 200);
    click(PicTrDn, 200, 100);
    EXPECT_EQ(actions.log, std::vector<std::string>{"CmdTrans_Click"});
    EXPECT_TRUE(buttons[PicTrUp].Pressed);

    actions.log.clear();
    run(PicTrDn, {{Step::Down, L, 10, 10}, {Step::Up, L, 200, 100}});
    EXPECT_TRUE(actions.log.empty()) << "TrDn's earlier release cleared its press";

    // Font faces likewise: each index its own.
    mouse.MouseDown(PicFont(3), L, 200, 100);
    mouse.MouseUp(PicFont(4), L, 200, 100);
    EXPECT_TRUE(actions.log.empty());
    mouse.MouseUp(PicFont(3), L, 200, 100);
    EXPECT_EQ(actions.log, std::vector<std::string>{"ImgFont_Click 3"});
}

TEST_F(FaceMouseTest, PaintPanelShowsEveryFaceNormalWithItsOwnHandle) {
    EXPECT_TRUE(painter.backgroundPainted);
    std::map<int32_t, int> handles;
    for (int face = 0; face < kFaceCount; ++face) {
        EXPECT_EQ(painter.shown[face], FaceImage::Normal) << faceSpec(face).name;
        EXPECT_NE(handle(face), 0);
        ++handles[handle(face)];
    }
    EXPECT_EQ(handles.size(), static_cast<size_t>(kFaceCount));
}

TEST_F(FaceMouseTest, TransportFacesShowTheDeviceState) {
    struct Row {
        const char* mode;
        Flag16 playing, paused, stopped;
        FaceImage play, stop, pause;
    } rows[] = {
        {"not open, recording", False, False, False, FaceImage::Normal, FaceImage::Normal,
         FaceImage::Normal},
        {"stopped, ready", False, False, True, FaceImage::Normal, FaceImage::Hover,
         FaceImage::Normal},
        {"playing, seeking", True, False, False, FaceImage::Hover, FaceImage::Normal,
         FaceImage::Normal},
        {"paused", False, True, False, FaceImage::Normal, FaceImage::Normal, FaceImage::Hover},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.mode);
        state.IsPlaying = r.playing;
        state.IsPaused = r.paused;
        state.IsStopped = r.stopped;
        RefreshTransportFaces(state, painter);
        EXPECT_EQ(painter.shown[PicPlay], r.play);
        EXPECT_EQ(painter.shown[PicStop], r.stop);
        EXPECT_EQ(painter.shown[PicPaus], r.pause);
    }
}
