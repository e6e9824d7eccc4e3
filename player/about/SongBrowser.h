#pragma once
// The Open face's way to a song anywhere on the disks: the panel steps aside for the
// dialog, the next dialog starts where the last choice was, the chosen song's folder
// becomes the song folder (the song list follows it), and every working file stays
// addressed relative to the working folder afterwards.
#include "SongChooser.h"
#include "filelist/FileListBox.h"
#include "state/PlayerState.h"
#include "widgets/TextBox.h"

#include <QWidget>

namespace player {

class SongBrowser {
public:
    SongBrowser(PlayerState& state, QWidget& FrmMain, TextBox& TxtPathName, FileListBox& songs,
                SongChooser& chooser);

    void CmdBrowse_Click();

private:
    void backToWorkFolder();

    PlayerState& state_;
    QWidget& FrmMain_;
    TextBox& TxtPathName_;
    FileListBox& songs_;
    SongChooser& chooser_;
};

} // namespace player
