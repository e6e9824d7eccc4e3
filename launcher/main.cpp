// didizir: runs once, installs the screen fonts for the login session and starts the
// player, passing on the song folder or song it was given. It has no window of its own;
// only message boxes may appear.
//
//   didizir [FOLDER | SONG]
#include "DetachedProcessStarter.h"
#include "QtMessageBox.h"
#include "SessionFontInstaller.h"
#include "frmStart.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString program = QCoreApplication::applicationDirPath();
    std::vector<std::string> arguments;
    // The fonts of the folder the user sings from come first, then the demo's: beside the
    // programs in a build, under share/melodeck/demo once installed.
    std::vector<std::string> fontFolders;
    if (const QStringList given = QCoreApplication::arguments().mid(1); !given.isEmpty()) {
        const QFileInfo named(given.first());
        arguments.push_back(named.absoluteFilePath().toStdString());
        fontFolders.push_back(
            (named.isDir() ? named.absoluteFilePath() : named.absolutePath()).toStdString());
    }
    if (const QString karaoke = QDir::home().filePath(QStringLiteral("Karaoke"));
        QFileInfo(karaoke).isDir())
        fontFolders.push_back(karaoke.toStdString());
    const QString installedDemo =
        QDir(program).absoluteFilePath(QStringLiteral("../../share/melodeck/demo"));
    fontFolders.push_back(QFileInfo(installedDemo).isDir()
                              ? QDir::cleanPath(installedDemo).toStdString()
                              : program.toStdString());

    QtMessageBox boxes;
    SessionFontInstaller fonts;
    DetachedProcessStarter processes;
    frmStart form(program.toStdString(), boxes, fonts, processes, arguments, fontFolders);
    form.Form_Load();
    return 0;
}
