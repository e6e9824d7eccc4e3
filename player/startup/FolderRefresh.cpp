#include "FolderRefresh.h"

#include <algorithm>

namespace player {

FolderRefresh::FolderRefresh(PlayerState& state, SequencerDevice& device, Parts parts,
                             std::function<void(const QString&)> critical,
                             std::function<void()> CmdOff_Click)
    : state_(state), device_(device), parts_(parts), critical_(std::move(critical)),
      CmdOff_Click_(std::move(CmdOff_Click)) {}

void FolderRefresh::CmdRefresh_Click() {
    device_.close();
    state_.IsPlaying = False;
    state_.IsStopped = True;
    parts_.LblTitle.clear();
    // The cleared path makes the pipeline delete the working files and stop there.
    parts_.TxtPathName.setText(QString());
    parts_.FileList.refresh();
    parts_.Image1.repaintPicture();
    for (QLabel* title : parts_.LblTit)
        title->clear();
    state_.SongCount = static_cast<int16_t>(std::min(parts_.FileList.listCount(), 32767));
    if (state_.SongCount == 0) {
        critical_(QStringLiteral("No song to play. Program will stop now."));
        CmdOff_Click_();
        return;
    }
    parts_.FileList.setListIndex(0);
}

} // namespace player
