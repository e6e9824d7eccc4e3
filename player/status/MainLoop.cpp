#include "MainLoop.h"

#include "device/DeviceMode.h"
#include "state/AutoPlayOff.h"

namespace player {
namespace {

constexpr int32_t kLongestShown = 32000; // the position displays' range

} // namespace

MainLoop::MainLoop(PlayerState& state, SequencerDevice& device, Parts parts, AutoPlayLamps& lamps,
                   Playback& playback, SongList& songList, LyricAdvance& lyric)
    : state_(state), device_(device), parts_(parts), lamps_(lamps), playback_(playback),
      songList_(songList), lyric_(lyric), syllables_(state, device, lyric) {}

void MainLoop::StatusTick() {
    if (device_.error() != 0) {
        deviceError();
        return;
    }
    const int32_t mode = device_.mode();
    if (mode == ModeSeeking)
        return;
    const int32_t position = device_.position();
    // A device may hold a song that played to its end as paused rather than stopped.
    if (mode == ModePaused && position < state_.SongLength)
        return;
    if (mode == ModePaused || mode == ModeStopped) {
        endOfSong();
        return;
    }

    state_.IsPlaying = True;
    state_.IsStopped = False;
    if (position <= kLongestShown) {
        parts_.HScroll1.setValue(position);
        parts_.ProgressBar1.setValue(position);
    }
    // The position read above is the rendered one, which runs ahead of the speakers by
    // the sound output's buffer; the lyric takes the time of what is heard.
    lyric_.AdvanceLyric(device_.audibleTime());
    syllables_.aim();
}

void MainLoop::deviceError() {
    device_.setTickInterval(0);
    syllables_.stop();
    state_.IsPlaying = False;
    state_.IsStopped = True;
    parts_.LblVersion.setText(QStringLiteral("MCI device error."));
    AutoPlayOff(state_, lamps_);
    device_.stop();
    playback_.UpdateDeviceState(0);
    parts_.FrmMain.show();
}

void MainLoop::endOfSong() {
    device_.setTickInterval(0);
    syllables_.stop();
    state_.IsPlaying = False;
    state_.IsStopped = True;
    state_.PictureChangeDue = False;
    parts_.Image1.repaintPicture();

    switch (state_.AutoMode) {
    case 0:
        showTitles();
        parts_.FrmMain.show();
        parts_.Timer2.setInterval(0);
        parts_.Timer2.setEnabled(false);
        break;
    case 1:
        showTitles();
        armRestart();
        break;
    case 2:
    case 3:
        songList_.loadFollowingSong();
        armRestart();
        break;
    default:
        break;
    }
}

void MainLoop::showTitles() {
    for (QLabel* title : parts_.LblTit)
        title->show();
    state_.TitlesVisible = True;
}

void MainLoop::armRestart() {
    parts_.Timer2.setInterval(SongList::kRestartDelay);
    parts_.Timer2.setEnabled(true);
}

} // namespace player
