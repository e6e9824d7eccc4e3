#pragma once
// The main panel. Its controls carry the names the rest of the player knows them by, and
// its handlers, named after control and event, share the one PlayerState with every
// other window.
#include "device/MidiOutput.h"
#include "device/SequencerDevice.h"
#include "lyric/LyricAdvance.h"
#include "pictures/BackgroundPictures.h"
#include "pictures/FrmPictList.h"
#include "pipeline/MessagePortNotifier.h"
#include "playback/Playback.h"
#include "songlist/FrmFileList.h"
#include "songlist/SongList.h"
#include "state/AutoPlayLamps.h"
#include "state/PlayerState.h"
#include "status/MainLoop.h"
#include "widgets/FormTimer.h"
#include "widgets/HotSpot.h"
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

class FrmMain : public QWidget, public AutoPlayLamps, public LyricAdvanceHost {
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

    // Hidden lyric size controls, with the lamp of the automatic size.
    QPushButton* CmdUpSize = nullptr;
    QPushButton* CmdDnSize = nullptr;
    QPushButton* CmdAutoLSize = nullptr;
    QLabel* LblAutoLSizeLed = nullptr;
    // Hidden: the song list window and the next auto-play mode.
    QPushButton* CmdList = nullptr;
    QPushButton* CmdAuto = nullptr;
    // Hot spots of the pictures: slideshow on, movie background, the picture list.
    HotSpot* Image1 = nullptr;
    HotSpot* LblTim = nullptr;
    HotSpot* LblPictList = nullptr;
    TextBox* TxtPictName = nullptr; // hidden: the chosen picture
    FormTimer* Timer3 = nullptr;    // the slideshow
    FrmFileList* FileListForm = nullptr;
    FrmPictList* PictListForm = nullptr;

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

    // The lyric screen: its size in twips, its font (index 0 to 9 of the font faces), the
    // font size controls.
    void SetDisplaySize(int16_t SetToMin, int32_t DsplH, int32_t DsplW);
    void CmdFont_Click(int16_t index);
    void ImgFont_Click(int16_t index);
    void CmdUpSize_Click();
    void CmdDnSize_Click();
    void CmdAutoLSize_Click();

    // The transport.
    void PlaySong();
    void PauseResume();
    void StopSong();
    void UpdateDeviceState(int32_t ignored);
    void PreparePlayback(int32_t ignored);
    void MarkStopped(int32_t ignored);
    void Timer2_Timer();
    void StatusTick();
    // Raised when the transport flags were set from the device.
    Playback& playback() { return *playback_; }

    // The song list and auto-play.
    void CmdList_Click();
    void CmdAuto_Click();
    void NextSong();
    void PrevSong();

    // The background pictures.
    void ChangePicture(const std::string& CurLyr) override;
    void Image1_Click();
    void LblTim_Click();
    void LblPictList_Click();

    // What the lyric advance asks of the panel.
    void hideTitles() override;
    void showStatus(const QString& text) override { LblVersion->setText(text); }
    void fatal(const QString& text) override { fatal_(text); }

    // The number the completion message is posted to: the handle of CmdMess.
    int32_t CmdMessHandle() const { return messagePort_->number(); }

    // Where the conditions the player cannot live with go. By default a message box, after
    // which the program ends at once; tests record the text instead.
    void setFatalHandler(std::function<void(const QString&)> handler) {
        fatal_ = std::move(handler);
    }

private:
    void createControls();
    void createShell();
    void chooseFontSize();
    void playWithoutLyricData();

    PlayerState& state_;
    SequencerDevice& device_;
    MidiOutput& midiOut_;
    FrmLyric& lyric_;
    std::unique_ptr<MessagePortNotifier> messagePort_;
    std::function<void(const QString&)> fatal_;

    std::unique_ptr<BackgroundPictures> pictures_;
    std::unique_ptr<Playback> playback_;
    std::unique_ptr<SongList> songList_;
    std::unique_ptr<LyricAdvance> lyricAdvance_;
    std::unique_ptr<MainLoop> mainLoop_;
};

} // namespace player
