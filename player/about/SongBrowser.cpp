#include "SongBrowser.h"

#include <QDir>
#include <QFileInfo>

namespace player {

SongBrowser::SongBrowser(PlayerState& state, QWidget& FrmMain, TextBox& TxtPathName,
                         SongChooser& chooser)
    : state_(state), FrmMain_(FrmMain), TxtPathName_(TxtPathName), chooser_(chooser) {}

void SongBrowser::backToAppFolder() {
    QDir::setCurrent(state_.AppFolder);
}

void SongBrowser::CmdBrowse_Click() {
    FrmMain_.hide();
    state_.BrowseOpen = True;
    const QString start = state_.BrowseFolder.isEmpty() ? state_.AppFolder : state_.BrowseFolder;
    const SongChoice choice = chooser_.chooseSong(start);

    if (choice.outcome == SongChoice::Outcome::Cancelled) {
        backToAppFolder();
        FrmMain_.show();
        state_.BrowseOpen = False;
        return;
    }
    if (choice.outcome == SongChoice::Outcome::NoName) {
        // The panel stays away; a double click on the lyric screen brings it back.
        backToAppFolder();
        state_.BrowseOpen = False;
        return;
    }

    const QString& path = choice.path;
    const QString name = QFileInfo(path).fileName();
    const qsizetype folderLength = path.size() - name.size();
    state_.BrowseFolder = folderLength > 0 ? path.left(folderLength) : QString();
    FrmMain_.show();
    FrmMain_.repaint();
    backToAppFolder();

    // The file may have gone while the dialog was closing: then nothing is loaded.
    if (!QFileInfo(path).isFile()) {
        FrmMain_.show();
        state_.BrowseOpen = False;
        return;
    }
    TxtPathName_.setText(path);
    state_.BrowseOpen = False;
}

} // namespace player
