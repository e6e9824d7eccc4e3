// A player that cannot make a sound says so from start-up on, and keeps saying it: the
// texts of loading a song do not bury the reason.
#include "startup/SoundStatus.h"

#include "MidiBuilder.h"
#include "PlayerFixture.h"
#include "SongFixtures.h"
#include "device/FluidSynthDevice.h"
#include "startup/StartOrder.h"

#include <gtest/gtest.h>

using namespace player;

namespace {

class DeviceWithoutSoundFont : public FluidSynthDevice {
public:
    DeviceWithoutSoundFont() : FluidSynthDevice(options()) {}

private:
    static Options options() {
        Options o;
        o.manualClock = true;
        return o;
    }
};

class SoundStatus : public PlayerFixture<DeviceWithoutSoundFont> {};

TEST_F(SoundStatus, TheReasonForSilenceComesBackAfterTheLoadingTexts) {
    testkit::writeBytes(app / "first.kar", fixtures::soundingSong(480, 480 * 8));
    testkit::writeBytes(app / "second.kar", fixtures::soundingSong(480, 480 * 8));
    for (const char* picture : {"a.bmp", "b.bmp"}) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        ASSERT_TRUE(image.save(QString::fromStdString((app / picture).string())));
    }
    // As main() does it: the device's word first, then the start order.
    showSoundStatus(device, panel);
    const QString notice = QString::fromStdString(device.notice());
    ASSERT_TRUE(notice.startsWith("No SoundFont")) << notice.toStdString();
    EXPECT_TRUE(panel.About->LblSoundOutput->text().startsWith("Output: "));

    StartOrder start(state, *panel.FileListForm->FileList, *panel.PictListForm->FileList,
                     *panel.TxtPathName, panel);
    ASSERT_TRUE(start.run());
    ASSERT_TRUE(waitFor([&] { return panel.LblVersion->text() != notice; }))
        << "loading the first song should have its own texts";
    EXPECT_TRUE(waitFor([&] { return panel.LblVersion->text() == notice; },
                        StatusLine::kBackToNoticeMs + 3000))
        << "the notice did not come back; the status line reads "
        << panel.LblVersion->text().toStdString();

    // The next song's texts give way to it again.
    panel.TxtPathName->setText(QStringLiteral("second.kar"));
    EXPECT_TRUE(waitFor([&] { return panel.LblVersion->text() == notice; },
                        StatusLine::kBackToNoticeMs + 3000));
}

} // namespace
