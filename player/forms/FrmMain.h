#pragma once
// The main panel. Its controls carry the names the rest of the player knows them by, and
// its handlers, named after control and event, share the one PlayerState with every
// other window.
#include "about/FrmAbout.h"
#include "about/SongBrowser.h"
#include "about/StatusLine.h"
#include "device/MidiOutput.h"
#include "device/SequencerDevice.h"
#include "lyric/LyricAdvance.h"
#include "panel/FaceActions.h"
#include "panel/PanelFaces.h"
#include "pictures/BackgroundPictures.h"
#include "pictures/FrmPictList.h"
#include "pipeline/ExtractorRun.h"
#include "playback/Playback.h"
#include "songlist/FrmFileList.h"
#include "songlist/SongList.h"
#include "startup/FirstActivation.h"
#include "startup/FolderRefresh.h"
#include "startup/PowerOff.h"
#include "startup/StartOrder.h"
#include "state/AutoPlayLamps.h"
#include "state/PlayerState.h"
#include "status/MainLoop.h"
#include "transpose/FrmTrans.h"
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

namespace contolib {
class Contora;
}

namespace player {

class FrmLyric;

class FrmMain : public QWidget,
                public AutoPlayLamps,
                public LyricAdvanceHost,
                public FaceActions,
                public StartupHost {
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
    // The faces of the panel, painted from the skin, and a short fixed caption.
    PanelFaces* Faces = nullptr;
    QLabel* LblVno = nullptr;
    // The outline control: made visible once, at the first activation at normal scale.
    contolib::Contora* Contora1 = nullptr;
    FrmAbout* About = nullptr;
    FrmTrans* FrmTransForm = nullptr; // created on first use

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
    void ImgFont_Click(int16_t index) override;
    void CmdUpSize_Click();
    void CmdDnSize_Click();
    void CmdAutoLSize_Click();

    // The transport.
    void PlaySong() override;
    void PauseResume() override;
    void StopSong() override;
    void UpdateDeviceState(int32_t ignored) override;
    void PreparePlayback(int32_t ignored);
    void MarkStopped(int32_t ignored);
    void Timer2_Timer();
    void StatusTick();
    // Raised when the transport flags were set from the device.
    Playback& playback() { return *playback_; }
    StatusLine& statusLine() { return *statusLine_; }

    // The song list and auto-play.
    void CmdList_Click() override;
    void CmdAuto_Click() override;
    void NextSong() override;
    void PrevSong() override;

    // The background pictures.
    void ChangePicture(const std::string& CurLyr) override;
    void Image1_Click();
    void LblTim_Click();
    void LblPictList_Click();

    // What the lyric advance asks of the panel.
    void hideTitles() override;
    void showStatus(const QString& text) override { LblVersion->setText(text); }
    void fatal(const QString& text) override { fatal_(text); }

    // The panel's faces and what they start besides the transport and the song list.
    void PaintPanel() override;
    void RefreshTransportFaces();
    void CmdOff_Click() override;
    void CmdAbout_Click() override;
    void CmdBrowse_Click() override;
    void CmdTrans_Click() override;
    // "Refresh" of the song list window.
    void CmdRefresh_Click();

    // The start-up steps the panel does.
    void endSilently() override;
    void showWindowsAndMeasure() override;
    void showPanel() override;

    // The number the current song's completion message is posted to: the handle of CmdMess,
    // new for every song. 0 before the first.
    int32_t CmdMessHandle() const { return extractor_->number(); }

    // Where the conditions the player cannot live with go. By default a message box, after
    // which the program ends at once; tests record the text instead.
    void setFatalHandler(std::function<void(const QString&)> handler) {
        fatal_ = std::move(handler);
    }

protected:
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void createShell();
    void createPanel();
    void createOutline();
    void chooseFontSize();
    void playWithoutLyricData();
    void loadChosenSong();
    // A song the player cannot play: closed, its reason on the status line, and in
    // sequence or random play the next song follows as after a song's end.
    void refuseSong(const QString& reason);

    PlayerState& state_;
    SequencerDevice& device_;
    MidiOutput& midiOut_;
    FrmLyric& lyric_;
    std::unique_ptr<ExtractorRun> extractor_;
    // A song chosen while the pipeline is busy with another waits, the newest only.
    bool pipelineBusy_ = false;
    bool choiceWaiting_ = false;
    std::function<void(const QString&)> fatal_;

    std::unique_ptr<BackgroundPictures> pictures_;
    std::unique_ptr<Playback> playback_;
    std::unique_ptr<SongList> songList_;
    std::unique_ptr<LyricAdvance> lyricAdvance_;
    std::unique_ptr<MainLoop> mainLoop_;

    StatusLine* statusLine_ = nullptr;
    std::unique_ptr<SongChooser> chooser_;
    std::unique_ptr<SongBrowser> browser_;
    std::unique_ptr<NotebendLibrary> notebend_;
    std::unique_ptr<PowerOff> powerOff_;
    std::unique_ptr<FolderRefresh> folderRefresh_;
    std::unique_ptr<FirstActivation> firstActivation_;
};

} // namespace player
