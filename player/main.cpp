// melodeck: the player. Everything it does lives in melodeck_player_core; this only puts
// the windows up in the program's folder.
#include "device/FluidSynthDevice.h"
#include "forms/FrmLyric.h"
#include "forms/FrmMain.h"
#include "state/PlayerState.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    player::PlayerState state;
    state.AppFolder = QCoreApplication::applicationDirPath();
    QDir::setCurrent(state.AppFolder);

    player::FluidSynthDevice device(
        player::FluidSynthDevice::Options::fromEnvironment(state.AppFolder.toStdString()));
    player::FrmLyric lyric;
    player::FrmMain panel(state, device, device, lyric);
    panel.show();
    if (!device.notice().empty())
        panel.LblVersion->setText(QString::fromStdString(device.notice()));

    const QStringList songs =
        QDir().entryList({"*.kar", "*.mid"}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (!songs.isEmpty())
        panel.TxtPathName->setText(songs.first());
    return app.exec();
}
