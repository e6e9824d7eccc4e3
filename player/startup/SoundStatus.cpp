#include "SoundStatus.h"

#include "device/FluidSynthDevice.h"
#include "forms/FrmMain.h"

namespace player {

void showSoundStatus(FluidSynthDevice& device, FrmMain& panel) {
    auto update = [&device, &panel] {
        panel.About->setSoundOutput(QStringLiteral("Output: ") +
                                    QString::fromStdString(device.outputDescription()));
        panel.statusLine().setLastingNotice(QString::fromStdString(device.notice()));
    };
    update();
    QObject::connect(&device, &FluidSynthDevice::noticeChanged, &panel, update);
}

} // namespace player
