#include "StartOrder.h"

#include "StartupTexts.h"

#include <QDir>
#include <RuntimeDir.h>
#include <StaleSessionFiles.h>
#include <WorkFolder.h>

namespace player {

StartOrder::StartOrder(PlayerState& state, FileListBox& songs, FileListBox& pictures,
                       TextBox& TxtPathName, StartupHost& host)
    : state_(state), songs_(songs), pictures_(pictures), TxtPathName_(TxtPathName), host_(host) {}

bool StartOrder::run() {
    QDir::setCurrent(state_.WorkFolder);
    songs_.setFolder(state_.SongFolder);
    songs_.refresh();
    state_.SongCount = static_cast<int16_t>(std::min(songs_.listCount(), 32767));
    if (state_.SongCount <= 0) {
        host_.fatal(noSongsText(state_.SongFolder));
        return false;
    }

    state_.PictureInterval = 25000;
    state_.PictureLead = 4;
    instance_ = std::make_unique<platform::InstanceLock>("melodeck");
    if (instance_->previousInstance()) {
        host_.endSilently();
        return false;
    }
    // Only the one player of this user may clear what a killed one left.
    if (const auto runtime = platform::runtimeDir())
        platform::removeStaleSessionFiles(*runtime);
    platform::clearFolder(state_.WorkFolder.toStdString());
    host_.showWindowsAndMeasure();
    state_.FontSizes = {20, 22, 24, 26, 28, 0};
    state_.FontSizeIndex = 3;
    state_.AutoLyricResize = True;
    state_.PictureMode = True;

    const auto named = songs_.findItems(firstSong_, Qt::MatchExactly | Qt::MatchCaseSensitive);
    songs_.setListIndex(named.isEmpty() ? 0 : songs_.row(named.first()));
    TxtPathName_.setText(songs_.fileName());

    state_.PicturesAvailable = False;
    state_.PictureChangeDue = False;
    // The song folder's own pictures, else the demo's; with fewer than two anywhere there
    // is no slideshow and the built-in background stays.
    for (const QString& folder : {state_.SongFolder, state_.DemoFolder}) {
        pictures_.setFolder(folder);
        pictures_.refresh();
        if (pictures_.listCount() >= 2)
            break;
    }
    if (pictures_.listCount() >= 2) {
        pictures_.setListIndex(0);
        state_.PicturesAvailable = True;
    }

    host_.PaintPanel();
    host_.showPanel();
    return true;
}

} // namespace player
