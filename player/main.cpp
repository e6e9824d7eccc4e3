// melodeck: the player. Everything it does lives in melodeck_player_core; this only makes
// the windows, chooses the folders and runs the start.
//
//   melodeck [FOLDER | SONG]
#include "RuntimeDir.h"
#include "SessionFonts.h"
#include "WorkFolder.h"
#include "device/FluidSynthDevice.h"
#include "forms/FrmLyric.h"
#include "forms/FrmMain.h"
#include "startup/SongFolderChoice.h"
#include "startup/SoundStatus.h"
#include "startup/StartOrder.h"
#include "state/PlayerState.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdlib>

int main(int argc, char** argv) {
    // Qt fills its font database once, from fontconfig's set as it is when the application
    // starts: the lyric fonts the launcher installed must be in it by then. Without them
    // a font face reports its font as not installed.
    platform::addSessionFonts();
    QApplication app(argc, argv);
    player::PlayerState state;
    state.ProgramFolder = QCoreApplication::applicationDirPath();
    state.DemoFolder = player::demoFolder(state.ProgramFolder);
    const auto choice = player::chooseSongFolder(QCoreApplication::arguments().mid(1),
                                                 QDir::homePath(), state.DemoFolder);
    if (!choice.problem.isEmpty())
        QMessageBox::warning(
            nullptr, QStringLiteral("melodeck"),
            choice.problem +
                QStringLiteral("\nThe songs of %1 are played instead.").arg(choice.folder));
    state.SongFolder = choice.folder;
    const auto work = platform::workFolder();
    if (!work) {
        const auto problem = platform::runtimeDirProblem();
        QMessageBox::critical(nullptr, QStringLiteral("melodeck"),
                              problem ? QString::fromStdString(*problem)
                                      : QStringLiteral("The private folder for melodeck's "
                                                       "working files cannot be made."));
        return EXIT_FAILURE;
    }
    state.WorkFolder = QString::fromStdString(*work);

    player::FluidSynthDevice device(
        player::FluidSynthDevice::Options::fromEnvironment(state.SongFolder.toStdString()));
    player::FrmLyric lyric;
    player::FrmMain panel(state, device, device, lyric);
    player::showSoundStatus(device, panel);

    player::StartOrder start(state, *panel.FileListForm->FileList, *panel.PictListForm->FileList,
                             *panel.TxtPathName, panel);
    if (!choice.song.isEmpty())
        start.setFirstSong(QFileInfo(choice.song).fileName());
    if (!start.run())
        return EXIT_FAILURE;
    return app.exec();
}
