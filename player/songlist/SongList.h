#pragma once
// Moving through the song list and the auto-play mode that decides what follows a song:
// 0 off, 1 repeat, 2 sequence, 3 random. The selected entry of the list is the current
// place in it.
#include "device/SequencerDevice.h"
#include "filelist/FileListBox.h"
#include "random/RandomPick.h"
#include "state/AutoPlayLamps.h"
#include "state/PlayerState.h"
#include "widgets/FormTimer.h"
#include "widgets/TextBox.h"

#include <QLabel>
#include <QTimer>

namespace player {

class SongList {
public:
    SongList(PlayerState& state, SequencerDevice& device, FileListBox& FileList,
             TextBox& TxtPathName, FormTimer& Timer2, AutoPlayLamps& lamps, QLabel& LblVersion,
             UniformDraw draw);

    // The next auto-play mode, its lamp and its status text.
    void CmdAuto_Click();

    // Close the song and load the next or previous entry (wrapping round), not started.
    void NextSong();
    void PrevSong();

    // At the end of a song in sequence or random mode: selects and loads the song that
    // follows. With a single song that is the same one.
    void loadFollowingSong();

    // A song the player refused (damaged): in sequence and random play, after the usual
    // pause with the reason on the status line, the next song is loaded and plays as soon
    // as it is ready. False when auto-play does not move on: it is off or repeats, or every
    // song of the list was refused in a row (a folder of damaged songs is not gone round
    // for ever).
    bool moveOnAfterRefusal();
    // A song was opened: the refusals in a row start again from none, and a song loaded to
    // follow a refused one starts.
    void songAccepted();

    // Milliseconds from the end of a song to the start of the next, in auto-play.
    static constexpr int kRestartDelay = 10000;

private:
    void step(int forward);
    void load(int index);

    PlayerState& state_;
    SequencerDevice& device_;
    FileListBox& FileList_;
    TextBox& TxtPathName_;
    FormTimer& Timer2_;
    AutoPlayLamps& lamps_;
    QLabel& LblVersion_;
    UniformDraw draw_;
    int refusedInARow_ = 0;
    QTimer moveOn_;
    QString refused_;      // the path of the song refused, while the pause runs
    bool playWhenLoaded_ = false;
};

} // namespace player
