#include "StartOrder.h"

#include "StartupTexts.h"

#include <QDir>

namespace player {

StartOrder::StartOrder(PlayerState& state, FileListBox& songs, FileListBox& pictures,
                       TextBox& TxtPathName, StartupHost& host)
    : state_(state), songs_(songs), pictures_(pictures), TxtPathName_(TxtPathName), host_(host) {}

bool StartOrder::run() {
    QDir::setCurrent(state_.AppFolder);
    // Both lists show the application folder for the whole run.
    songs_.setFolder(state_.AppFolder);
    pictures_.setFolder(state_.AppFolder);
    songs_.refresh();
    state_.SongCount = static_cast<int16_t>(std::min(songs_.listCount(), 32767));
    if (state_.SongCount <= 0) {
        host_.fatal(noSongsText(state_.AppFolder));
        return false;
    }

    state_.PictureInterval = 25000;
    state_.PictureLead = 4;
    instance_ = std::make_unique<platform::InstanceLock>("melodeck");
    if (instance_->previousInstance()) {
        host_.endSilently();
        return false;
    }
    host_.showWindowsAndMeasure();
    state_.FontSizes = {20, 22, 24, 26, 28, 0};
    state_.FontSizeIndex = 3;
    state_.AutoLyricResize = True;
    state_.PictureMode = True;

    songs_.setListIndex(0);
    TxtPathName_.setText(songs_.fileName());

    state_.PicturesAvailable = False;
    state_.PictureChangeDue = False;
    pictures_.refresh();
    if (pictures_.listCount() < 2) {
        host_.fatal(tooFewPicturesText(pictures_.listCount(), state_.AppFolder));
        return false;
    }
    pictures_.setListIndex(0);
    state_.PicturesAvailable = True;

    host_.PaintPanel();
    host_.showPanel();
    return true;
}

} // namespace player
