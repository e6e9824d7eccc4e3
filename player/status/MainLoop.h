#pragma once
// The player's main loop, run at every status tick of the device while a song plays: it
// catches a device error, ends the song and applies the auto-play mode, or moves the
// position displays and the lyric on. The lyric follows the song time being heard, and
// between ticks the syllable timer lights each syllable as it is heard.
#include "device/SequencerDevice.h"
#include "lyric/LyricAdvance.h"
#include "lyric/LyricCanvas.h"
#include "playback/Playback.h"
#include "songlist/SongList.h"
#include "state/AutoPlayLamps.h"
#include "state/PlayerState.h"
#include "status/SyllableTimer.h"
#include "widgets/FormTimer.h"

#include <QLabel>
#include <QProgressBar>
#include <QScrollBar>
#include <array>

namespace player {

class MainLoop {
public:
    struct Parts {
        QScrollBar& HScroll1;
        QProgressBar& ProgressBar1;
        QLabel& LblVersion;
        FormTimer& Timer2;
        QWidget& FrmMain;
        LyricCanvas& Image1; // the lyric screen's background
        std::array<QLabel*, 3> LblTit;
    };

    MainLoop(PlayerState& state, SequencerDevice& device, Parts parts, AutoPlayLamps& lamps,
             Playback& playback, SongList& songList, LyricAdvance& lyric);

    void StatusTick();

private:
    void deviceError();
    void endOfSong();
    void showTitles();
    void armRestart();

    PlayerState& state_;
    SequencerDevice& device_;
    Parts parts_;
    AutoPlayLamps& lamps_;
    Playback& playback_;
    SongList& songList_;
    LyricAdvance& lyric_;
    SyllableTimer syllables_;
};

} // namespace player
