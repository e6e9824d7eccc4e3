#pragma once
// The transport: play, pause and resume, stop; the device's state turned into the
// player's flags; and Timer2, which starts the loaded song after the pause between songs
// in auto-play.
#include "device/SequencerDevice.h"
#include "state/AutoPlayLamps.h"
#include "state/PlayerState.h"
#include "widgets/FormTimer.h"

#include <QLabel>
#include <QObject>
#include <functional>

namespace player {

class Playback : public QObject {
    Q_OBJECT
public:
    // RewindLyric: puts the lyric back to the start, True when the song may play.
    // restartPictureTimer: shows the chosen picture and re-arms the slideshow.
    Playback(PlayerState& state, SequencerDevice& device, FormTimer& Timer2, QLabel& LblVersion,
             AutoPlayLamps& lamps, std::function<int16_t()> RewindLyric,
             std::function<void()> restartPictureTimer);

    void PlaySong();
    void PauseResume();
    void StopSong();
    // The argument is ignored; device notices carry one.
    void UpdateDeviceState(int32_t ignored = 0);
    void PreparePlayback(int32_t ignored = 0);
    void MarkStopped(int32_t ignored = 0);
    void Timer2_Timer();

    // Milliseconds between status ticks while a song plays.
    static constexpr int32_t kTickInterval = 100;

signals:
    // The flags IsPlaying, IsPaused and IsStopped were set from the device: the transport
    // faces follow them.
    void deviceStateUpdated();

private:
    void notOpened();

    PlayerState& state_;
    SequencerDevice& device_;
    FormTimer& Timer2_;
    QLabel& LblVersion_;
    AutoPlayLamps& lamps_;
    std::function<int16_t()> RewindLyric_;
    std::function<void()> restartPictureTimer_;
};

} // namespace player
