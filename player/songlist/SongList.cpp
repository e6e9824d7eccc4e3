#include "SongList.h"

#include "device/DeviceMode.h"
#include "state/AutoPlayOff.h"

#include <array>

namespace player {

SongList::SongList(PlayerState& state, SequencerDevice& device, FileListBox& FileList,
                   TextBox& TxtPathName, FormTimer& Timer2, AutoPlayLamps& lamps,
                   QLabel& LblVersion, UniformDraw draw)
    : state_(state), device_(device), FileList_(FileList), TxtPathName_(TxtPathName),
      Timer2_(Timer2), lamps_(lamps), LblVersion_(LblVersion), draw_(std::move(draw)) {
    moveOn_.setSingleShot(true);
    QObject::connect(&moveOn_, &QTimer::timeout, [this] {
        // A song the user chose meanwhile is not taken away from them.
        if (TxtPathName_.text() != refused_ || state_.AutoMode < 2)
            return;
        playWhenLoaded_ = true;
        loadFollowingSong();
    });
}

void SongList::CmdAuto_Click() {
    state_.AutoMode = state_.AutoMode < 3 ? state_.AutoMode + 1 : 0;
    for (int i = 0; i < 3; ++i)
        lamps_.setLampLit(i, false);
    if (state_.AutoMode > 0)
        lamps_.setLampLit(state_.AutoMode - 1, true);

    if (state_.AutoMode == 0) {
        Timer2_.setInterval(0);
        Timer2_.setEnabled(false);
    } else if (device_.mode() != ModePlaying) {
        // A loaded song starts after the usual pause; a playing one is left to its end.
        Timer2_.setInterval(kRestartDelay);
        Timer2_.setEnabled(true);
    }
    static const std::array<QString, 4> texts{
        QStringLiteral("Auto Play is now OFF"), QStringLiteral("Auto Repeate Play ON"),
        QStringLiteral("Auto Sequence Play ON"), QStringLiteral("Auto Random Play ON")};
    LblVersion_.setText(texts[static_cast<size_t>(state_.AutoMode)]);
}

void SongList::NextSong() {
    step(+1);
}

void SongList::PrevSong() {
    step(-1);
}

void SongList::step(int forward) {
    const int n = FileList_.listCount();
    // With no other song there is nowhere to go; an empty list has no song to load.
    if (n <= 1)
        return;
    AutoPlayOff(state_, lamps_);
    device_.close();
    state_.IsPlaying = False;
    state_.IsStopped = True;

    const int i = FileList_.listIndex();
    if (forward > 0)
        load(i < n - 1 ? i + 1 : 0);
    else
        load(i <= 0 ? n - 1 : i - 1);
    Timer2_.setInterval(kRestartDelay);
    Timer2_.setEnabled(true);
}

void SongList::loadFollowingSong() {
    const int last = FileList_.listCount() - 1;
    const int current = FileList_.listIndex();
    if (state_.AutoMode == 3)
        load(pickOther(last + 1, current, draw_));
    else
        load(current < last ? current + 1 : 0);
}

bool SongList::moveOnAfterRefusal() {
    if (state_.AutoMode != 2 && state_.AutoMode != 3)
        return false;
    if (++refusedInARow_ >= FileList_.listCount()) {
        refusedInARow_ = 0;
        return false;
    }
    refused_ = TxtPathName_.text();
    moveOn_.start(kRestartDelay);
    return true;
}

void SongList::songAccepted() {
    refusedInARow_ = 0;
    if (!playWhenLoaded_)
        return;
    playWhenLoaded_ = false;
    // Timer2 is what starts a loaded song in auto-play; it starts this one at once.
    Timer2_.setInterval(1);
    Timer2_.setEnabled(true);
}

void SongList::load(int index) {
    FileList_.setListIndex(index);
    TxtPathName_.setText(FileList_.fileName());
}

} // namespace player
