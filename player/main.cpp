// melodeck: the player. Everything it does lives in melodeck_player_core; this only makes
// the windows and runs the start in the program's folder.
#include "SessionFonts.h"
#include "device/FluidSynthDevice.h"
#include "forms/FrmLyric.h"
#include "forms/FrmMain.h"
#include "startup/SoundStatus.h"
#include "startup/StartOrder.h"
#include "state/PlayerState.h"

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
    // Qt fills its font database once, from fontconfig's set as it is when the application
    // starts: the lyric fonts the launcher installed must be in it by then. Without them
    // a font face reports its font as not installed.
    platform::addSessionFonts();
    QApplication app(argc, argv);
    player::PlayerState state;
    state.AppFolder = QCoreApplication::applicationDirPath();

    player::FluidSynthDevice device(
        player::FluidSynthDevice::Options::fromEnvironment(state.AppFolder.toStdString()));
    player::FrmLyric lyric;
    player::FrmMain panel(state, device, device, lyric);
    player::showSoundStatus(device, panel);

    player::StartOrder start(state, *panel.FileListForm->FileList, *panel.PictListForm->FileList,
                             *panel.TxtPathName, panel);
    if (!start.run())
        return EXIT_FAILURE;
    return app.exec();
}
