#pragma once
// The main panel. Its controls carry the names the rest of the player knows them by, and
// its handlers, named after control and event, share the one PlayerState with every
// other window.
#include "device/MidiOutput.h"
#include "device/SequencerDevice.h"
#include "pipeline/MessagePortNotifier.h"
#include "state/AutoPlayLamps.h"
#include "state/PlayerState.h"
#include "widgets/FormTimer.h"
#include "widgets/ImageBox.h"
#include "widgets/KeyUpButton.h"
#include "widgets/TextBox.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

namespace player {

class FrmLyric;

class FrmMain : public QWidget, public AutoPlayLamps {
    Q_OBJECT
public:
    FrmMain(PlayerState& state, SequencerDevice& device, MidiOutput& midiOut, FrmLyric& lyric,
            QWidget* parent = nullptr);

    // Hidden: setting its text to a song's path loads that song.
    TextBox* TxtPathName = nullptr;
    QLabel* LblTitle = nullptr;   // the song title
    QLabel* LblVersion = nullptr; // the status line
    // Hidden: the extractor's completion message arrives as its key-up event.
    KeyUpButton* CmdMess = nullptr;
    FormTimer* TimerTextpull = nullptr; // the extractor's time-out, 10000 ms
    FormTimer* Timer2 = nullptr;        // the auto-play restart
    QPushButton* CmdTrans = nullptr;    // hidden "Transpose"
    QScrollBar* HScroll1 = nullptr;     // hidden song position
    QProgressBar* ProgressBar1 = nullptr;
    std::array<ImageBox*, 3> ImgAuLed{}; // the auto-play lamps, left to right
    ImageBox* ImgLedS = nullptr;         // hidden: the lit lamp picture
    ImageBox* ImgLedN = nullptr;         // hidden: the unlit lamp picture

    void TxtPathName_Change();
    void CmdMess_KeyUp(int16_t KeyCode, int16_t Shift);
    void TimerTextpull_Timer();

    // True (-1) when the reset reached the MIDI output.
    int16_t ResetMidiOut();
    void LoadLyricData();
    // True (-1) when the song may be played from its start.
    int16_t RewindLyric();
    void AutoPlayOff();
    void setLampLit(int index, bool lit) override;

    // The number the completion message is posted to: the handle of CmdMess.
    int32_t CmdMessHandle() const { return messagePort_->number(); }

    // Where the conditions the player cannot live with go. By default a message box, after
    // which the program ends at once; tests record the text instead.
    void setFatalHandler(std::function<void(const QString&)> handler) {
        fatal_ = std::move(handler);
    }

private:
    void createControls();
    void playWithoutLyricData();

    PlayerState& state_;
    SequencerDevice& device_;
    MidiOutput& midiOut_;
    FrmLyric& lyric_;
    std::unique_ptr<MessagePortNotifier> messagePort_;
    std::function<void(const QString&)> fatal_;
};

} // namespace player
