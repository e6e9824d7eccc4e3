#pragma once
// The song list's "Refresh": the song is closed and unloaded, the list read again from the
// folder, and the program powered off when no song is left.
#include "device/SequencerDevice.h"
#include "filelist/FileListBox.h"
#include "lyric/LyricCanvas.h"
#include "state/PlayerState.h"
#include "widgets/TextBox.h"

#include <QLabel>
#include <array>
#include <functional>

namespace player {

class FolderRefresh {
public:
    struct Parts {
        QLabel& LblTitle;
        TextBox& TxtPathName;
        FileListBox& FileList;
        LyricCanvas& Image1; // the lyric screen's background
        std::array<QLabel*, 3> LblTit;
    };

    // critical: a message box with the critical icon; CmdOff_Click: the power-off.
    FolderRefresh(PlayerState& state, SequencerDevice& device, Parts parts,
                  std::function<void(const QString&)> critical, std::function<void()> CmdOff_Click);

    void CmdRefresh_Click();

private:
    PlayerState& state_;
    SequencerDevice& device_;
    Parts parts_;
    std::function<void(const QString&)> critical_;
    std::function<void()> CmdOff_Click_;
};

} // namespace player
