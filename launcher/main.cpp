// didizir: runs once, installs the screen fonts of its folder for the login session and
// starts the player. It has no window of its own; only message boxes may appear.
#include "DetachedProcessStarter.h"
#include "QtMessageBox.h"
#include "SessionFontInstaller.h"
#include "frmStart.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QtMessageBox boxes;
    SessionFontInstaller fonts;
    DetachedProcessStarter processes;
    frmStart form(QCoreApplication::applicationDirPath().toStdString(), boxes, fonts, processes);
    form.Form_Load();
    return 0;
}
