// The faces on the real panel: each reaches the routine it names, the transport faces
// follow the device, and the first activation puts the outline on.
#include "PlayerFixture.h"
#include "device/DeviceMode.h"
#include "device/FakeDevice.h"
#include "startup/PowerOff.h"

#include <QApplication>
#include <QMouseEvent>
#include <contolib/Contora.h>

using namespace player;

namespace {

class PanelWiringTest : public PlayerFixture<FakeDevice> {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        panel.PaintPanel();
    }

    // A left click in the middle of the face's active rectangle.
    void click(int face) {
        QWidget* box = panel.Faces->face(face);
        const HitRect& hit = faceSpec(face).hit;
        const QPointF at((hit.Left + hit.Right) / 2 * box->logicalDpiX() / 1440.0,
                         (hit.Top + hit.Bottom) / 2 * box->logicalDpiY() / 1440.0);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, box->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(box, &event);
        }
    }
    FaceImage look(int face) const { return panel.Faces->face(face)->shownImage(); }
};

} // namespace

TEST_F(PanelWiringTest, TransportFacesPlayTheOpenSongAndShowIt) {
    EXPECT_EQ(look(PicStop), FaceImage::Normal);
    device.setSongLength(400);
    ASSERT_FALSE(device.open("Input.bin"));
    panel.UpdateDeviceState(0);
    EXPECT_TRUE(state.DeviceReady);
    EXPECT_EQ(look(PicStop), FaceImage::Hover) << "stopped lights Stop";

    click(PicPlay);
    EXPECT_EQ(device.mode(), ModePlaying);
    EXPECT_EQ(look(PicPlay), FaceImage::Hover);
    EXPECT_EQ(look(PicStop), FaceImage::Normal);

    click(PicPaus);
    EXPECT_EQ(device.mode(), ModePaused);
    EXPECT_EQ(look(PicPaus), FaceImage::Hover);
    EXPECT_EQ(look(PicPlay), FaceImage::Normal);
}

TEST_F(PanelWiringTest, EachDeviceModeLightsItsTransportFace) {
    ASSERT_FALSE(device.open("Input.bin"));
    const FaceImage lit = FaceImage::Hover, normal = FaceImage::Normal;
    struct Row {
        int32_t mode;
        FaceImage play, stop, pause;
    } rows[] = {
        {ModeNotOpen, normal, normal, normal}, {ModeStopped, normal, lit, normal},
        {ModePlaying, lit, normal, normal},    {ModeRecording, normal, normal, normal},
        {ModeSeeking, lit, normal, normal},    {ModePaused, normal, normal, lit},
        {ModeReady, normal, lit, normal},      {531, normal, lit, normal},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.mode);
        device.setMode(r.mode);
        panel.UpdateDeviceState(0);
        EXPECT_EQ(look(PicPlay), r.play);
        EXPECT_EQ(look(PicStop), r.stop);
        EXPECT_EQ(look(PicPaus), r.pause);
    }
}

TEST_F(PanelWiringTest, DialogFacesOpenTheirWindows) {
    click(PicAbou);
    EXPECT_TRUE(panel.About->isVisible());
    click(PicTrDn);
    ASSERT_NE(panel.FrmTransForm, nullptr);
    EXPECT_TRUE(panel.FrmTransForm->isVisible());
    EXPECT_EQ(panel.FrmTransForm->windowTitle(), "Transpose song Up / Down");
    click(PicList);
    EXPECT_TRUE(panel.FileListForm->isVisible());
}

TEST_F(PanelWiringTest, PowerFaceDeletesTheWorkingFiles) {
    for (const char* name : kPowerOffFiles)
        testkit::writeBytes(app / name, {1});
    testkit::writeBytes(app / "sty.err", {});
    click(PicPower);
    for (const char* name : kPowerOffFiles)
        EXPECT_FALSE(std::filesystem::exists(app / name)) << name;
    EXPECT_TRUE(std::filesystem::exists(app / "sty.err"));
    EXPECT_FALSE(panel.isEnabled());
}

TEST_F(PanelWiringTest, FirstActivationPutsTheOutlineOn) {
    ASSERT_NE(panel.Contora1, nullptr) << "the panel's form data carries Contora1";
    EXPECT_TRUE(panel.Contora1->isHidden());
    panel.show();
    panel.activateWindow();
    ASSERT_TRUE(waitFor([this] { return state.PanelActivated != False; }));
    EXPECT_FALSE(panel.Contora1->isHidden());
    EXPECT_EQ(panel.LblVersion->text(), "Ze-Dazarav Uzadiz V208");
}
