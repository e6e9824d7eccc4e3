#pragma once
// The Open face's way to a song anywhere on the disks: the panel steps aside for the
// dialog, the next dialog starts where the last choice was, and every working file stays
// addressed relative to the application folder afterwards.
#include "SongChooser.h"
#include "state/PlayerState.h"
#include "widgets/TextBox.h"

#include <QWidget>

namespace player {

class SongBrowser {
public:
    SongBrowser(PlayerState& state, QWidget& FrmMain, TextBox& TxtPathName, SongChooser& chooser);

    void CmdBrowse_Click();

private:
    void backToAppFolder();

    PlayerState& state_;
    QWidget& FrmMain_;
    TextBox& TxtPathName_;
    SongChooser& chooser_;
};

} // namespace player
