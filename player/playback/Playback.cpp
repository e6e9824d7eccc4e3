#include "Playback.h"

#include "device/DeviceMode.h"
#include "state/AutoPlayOff.h"

namespace player {

Playback::Playback(PlayerState& state, SequencerDevice& device, FormTimer& Timer2,
                   QLabel& LblVersion, AutoPlayLamps& lamps, std::function<int16_t()> RewindLyric,
                   std::function<void()> restartPictureTimer)
    : state_(state), device_(device), Timer2_(Timer2), LblVersion_(LblVersion), lamps_(lamps),
      RewindLyric_(std::move(RewindLyric)), restartPictureTimer_(std::move(restartPictureTimer)) {}

void Playback::PlaySong() {
    if (device_.mode() == ModePlaying)
        return;
    if (!device_.canPlay()) {
        notOpened();
        return;
    }
    RewindLyric_(); // a lyric that cannot be read still lets the music play
    restartPictureTimer_();
    device_.setTickInterval(kTickInterval);
    device_.play();
    UpdateDeviceState();
}

void Playback::PauseResume() {
    if (!device_.canPlay())
        return;
    const int32_t mode = device_.mode();
    if (mode == ModePlaying) {
        device_.pause();
        UpdateDeviceState();
        device_.setTickInterval(0);
    } else if (mode == ModePaused) {
        const int32_t position = device_.position();
        if (position > 0) {
            device_.setStartPosition(0);
            device_.play();
        }
        device_.setStartPosition(position);
        device_.play();
        UpdateDeviceState();
        device_.setTickInterval(kTickInterval);
    }
}

void Playback::StopSong() {
    if (device_.mode() == ModeStopped)
        return;
    if (!device_.canPlay()) {
        notOpened();
        return;
    }
    // The status tick that follows sees the stopped device and ends the song.
    state_.PictureChangeDue = False;
    AutoPlayOff(state_, lamps_);
    device_.stop();
}

void Playback::UpdateDeviceState(int32_t) {
    state_.DeviceReady = asFlag<Flag16>(device_.canPlay());
    const int32_t mode = device_.mode();
    // A mode the player does not list counts as a stopped device that is ready.
    const bool known = mode >= ModeNotOpen && mode <= ModePaused;
    if (mode == ModeNotOpen)
        state_.DeviceReady = False;
    else if (!known)
        state_.DeviceReady = True;
    state_.IsPlaying = asFlag<Flag16>(mode == ModePlaying || mode == ModeSeeking);
    state_.IsPaused = asFlag<Flag16>(mode == ModePaused);
    state_.IsStopped = asFlag<Flag16>(mode == ModeStopped || !known);
    emit deviceStateUpdated();
}

void Playback::PreparePlayback(int32_t) {
    RewindLyric_();
    restartPictureTimer_();
    device_.setTickInterval(kTickInterval);
}

void Playback::MarkStopped(int32_t) {
    state_.PictureChangeDue = False;
    AutoPlayOff(state_, lamps_);
    state_.IsPlaying = False;
    state_.IsStopped = True;
}

void Playback::Timer2_Timer() {
    if (device_.mode() == ModePlaying)
        return; // stays armed
    if (state_.AutoMode == 0) {
        Timer2_.setInterval(0);
        Timer2_.setEnabled(false);
        return;
    }
    // A lyric that cannot be read leaves the timer armed: the next tick tries again.
    if (RewindLyric_() == False)
        return;
    device_.play();
    UpdateDeviceState();
    device_.setTickInterval(kTickInterval);
    restartPictureTimer_();
}

void Playback::notOpened() {
    LblVersion_.setText(QStringLiteral("Midi Device Not Opened."));
}

} // namespace player
