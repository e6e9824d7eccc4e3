#include "SongBrowser.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace player {

SongBrowser::SongBrowser(PlayerState& state, QWidget& FrmMain, TextBox& TxtPathName,
                         FileListBox& songs, SongChooser& chooser)
    : state_(state), FrmMain_(FrmMain), TxtPathName_(TxtPathName), songs_(songs),
      chooser_(chooser) {}

void SongBrowser::backToWorkFolder() {
    QDir::setCurrent(state_.WorkFolder);
}

void SongBrowser::CmdBrowse_Click() {
    FrmMain_.hide();
    state_.BrowseOpen = True;
    const QString start = state_.BrowseFolder.isEmpty() ? state_.SongFolder : state_.BrowseFolder;
    const SongChoice choice = chooser_.chooseSong(start);

    if (choice.outcome == SongChoice::Outcome::Cancelled) {
        backToWorkFolder();
        FrmMain_.show();
        state_.BrowseOpen = False;
        return;
    }
    if (choice.outcome == SongChoice::Outcome::NoName) {
        // The panel stays away; a double click on the lyric screen brings it back.
        backToWorkFolder();
        state_.BrowseOpen = False;
        return;
    }

    const QString& path = choice.path;
    const QString name = QFileInfo(path).fileName();
    const qsizetype folderLength = path.size() - name.size();
    state_.BrowseFolder = folderLength > 0 ? path.left(folderLength) : QString();
    FrmMain_.show();
    FrmMain_.repaint();
    backToWorkFolder();

    // The file may have gone while the dialog was closing: then nothing is loaded.
    if (!QFileInfo(path).isFile()) {
        FrmMain_.show();
        state_.BrowseOpen = False;
        return;
    }
    const QFileInfo song(path);
    if (song.absolutePath() != QDir(state_.SongFolder).absolutePath()) {
        state_.SongFolder = song.absolutePath();
        songs_.setFolder(state_.SongFolder);
        songs_.refresh();
        state_.SongCount = static_cast<int16_t>(std::min(songs_.listCount(), 32767));
    }
    const auto listed = songs_.findItems(song.fileName(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!listed.isEmpty())
        songs_.setListIndex(songs_.row(listed.first()));
    TxtPathName_.setText(path);
    state_.BrowseOpen = False;
}

} // namespace player
