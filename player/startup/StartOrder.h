#pragma once
// The player's start, in its fixed order: songs present, a single instance, the windows
// and screen sizes, the first song handed to the loading pipeline, pictures present, the
// panel painted and shown. The steps that need the windows are the host's.
#include "filelist/FileListBox.h"
#include "state/PlayerState.h"
#include "widgets/TextBox.h"

#include <InstanceLock.h>
#include <QString>
#include <memory>

namespace player {

class StartupHost {
public:
    virtual ~StartupHost() = default;
    // A message box with the critical icon, then the program ends at once.
    virtual void fatal(const QString& text) = 0;
    // Another instance runs: the program ends at once, without a word.
    virtual void endSilently() = 0;
    // The lyric window and the about box shown, the screen measured, the lyric screen
    // sized and its font set: the panel's load work after the instance check.
    virtual void showWindowsAndMeasure() = 0;
    virtual void PaintPanel() = 0;
    virtual void showPanel() = 0;
};

class StartOrder {
public:
    StartOrder(PlayerState& state, FileListBox& songs, FileListBox& pictures, TextBox& TxtPathName,
               StartupHost& host);

    // The song folder, demo folder and working folder must be set. False when the start
    // ended the program.
    bool run();
    // The file name of the song to load first; the list's first when it is not listed.
    void setFirstSong(const QString& fileName) { firstSong_ = fileName; }

private:
    PlayerState& state_;
    FileListBox& songs_;
    FileListBox& pictures_;
    QString firstSong_;
    TextBox& TxtPathName_;
    StartupHost& host_;
    // Held for the life of the player: it is what a second start finds.
    std::unique_ptr<platform::InstanceLock> instance_;
};

} // namespace player
