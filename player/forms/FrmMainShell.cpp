// FrmMain: the transport, the song list and auto-play, the background pictures and the
// status tick, each a piece of its own that the panel holds and passes its controls to.
#include "FrmLyric.h"
#include "FrmMain.h"
#include "random/RandomPick.h"
#include "widgets/Twips.h"

#include <QScreen>

namespace player {
namespace {

// Shows a window of the player in the middle of the screen, in front.
void showCentred(QWidget* window) {
    if (const QScreen* screen = window->screen())
        window->move(screen->geometry().center() - window->rect().center());
    window->show();
    window->raise();
    window->activateWindow();
}

QPushButton* hiddenButton(const QString& toolTip, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setToolTip(toolTip);
    button->hide();
    return button;
}

} // namespace

void FrmMain::createShell() {
    const UniformDraw draw = clockSeededDraw();

    auto* pictureList = new FileListBox(QStringLiteral("*.bmp;*.jpg;*.gif"));
    pictures_ = std::make_unique<BackgroundPictures>(state_, device_, *pictureList, *lyric_.Image1,
                                                     *lyric_.Image2, *LblVersion, draw, *this);
    TxtPictName = pictures_->TxtPictName;
    Timer3 = pictures_->Timer3;
    PictListForm = new FrmPictList(
        state_, device_, pictureList, *pictures_,
        [this](int16_t SetToMin, int32_t DsplH, int32_t DsplW) {
            SetDisplaySize(SetToMin, DsplH, DsplW);
        },
        this);

    FileListForm = new FrmFileList(*TxtPathName, this);
    songList_ = std::make_unique<SongList>(state_, device_, *FileListForm->FileList, *TxtPathName,
                                           *Timer2, *this, *LblVersion, draw);
    playback_ = std::make_unique<Playback>(
        state_, device_, *Timer2, *LblVersion, *this, [this] { return RewindLyric(); },
        [this] { pictures_->restartPictureTimer(); });
    lyricAdvance_ = std::make_unique<LyricAdvance>(state_, *lyric_.Image1, *this, device_);
    mainLoop_ =
        std::make_unique<MainLoop>(state_, device_,
                                   MainLoop::Parts{*HScroll1, *ProgressBar1, *LblVersion, *Timer2,
                                                   *this, *lyric_.Image1, lyric_.LblTit},
                                   *this, *playback_, *songList_, *lyricAdvance_);
    device_.setStatusTickHandler([this] { StatusTick(); });
    connect(Timer2, &FormTimer::Timer, this, &FrmMain::Timer2_Timer);

    CmdList = hiddenButton(QStringLiteral(" Song List "), this);
    connect(CmdList, &QPushButton::clicked, this, &FrmMain::CmdList_Click);
    CmdAuto = hiddenButton(QStringLiteral(" Auto Play Mode "), this);
    connect(CmdAuto, &QPushButton::clicked, this, &FrmMain::CmdAuto_Click);

    Image1 = new HotSpot(QStringLiteral(" Switch to Background Pictures "), this);
    placeInTwips(Image1, 5940, 1920, 495, 195);
    connect(Image1, &HotSpot::Click, this, &FrmMain::Image1_Click);
    LblTim = new HotSpot(QStringLiteral(" Switch to Background for Movie "), this);
    placeInTwips(LblTim, 6600, 1920, 435, 195);
    connect(LblTim, &HotSpot::Click, this, &FrmMain::LblTim_Click);
    LblPictList = new HotSpot(QStringLiteral(" Click here to see Picture List "), this);
    placeInTwips(LblPictList, 1440, 2640, 6855, 255);
    connect(LblPictList, &HotSpot::Click, this, &FrmMain::LblPictList_Click);

    CmdUpSize = hiddenButton(QStringLiteral(" Larger Lyric Size "), this);
    connect(CmdUpSize, &QPushButton::clicked, this, &FrmMain::CmdUpSize_Click);
    CmdDnSize = hiddenButton(QStringLiteral(" Smaller Lyric Size "), this);
    connect(CmdDnSize, &QPushButton::clicked, this, &FrmMain::CmdDnSize_Click);
    CmdAutoLSize = hiddenButton(QStringLiteral(" Switch Auto Lyric Resize Mode On/Off"), this);
    connect(CmdAutoLSize, &QPushButton::clicked, this, &FrmMain::CmdAutoLSize_Click);
    LblAutoLSizeLed = new QLabel(this);
    LblAutoLSizeLed->setStyleSheet(QStringLiteral("background: #00ffff;"));
    LblAutoLSizeLed->hide();

    // A click on the lyric screen makes room for the lyric; a double click brings the
    // panel back.
    connect(&lyric_, &FrmLyric::Click, this, &QWidget::hide);
    connect(&lyric_, &FrmLyric::DblClick, this, &QWidget::show);
}

void FrmMain::PlaySong() {
    playback_->PlaySong();
}
void FrmMain::PauseResume() {
    playback_->PauseResume();
}
void FrmMain::StopSong() {
    playback_->StopSong();
}
void FrmMain::UpdateDeviceState(int32_t ignored) {
    playback_->UpdateDeviceState(ignored);
}
void FrmMain::PreparePlayback(int32_t ignored) {
    playback_->PreparePlayback(ignored);
}
void FrmMain::MarkStopped(int32_t ignored) {
    playback_->MarkStopped(ignored);
}
void FrmMain::Timer2_Timer() {
    playback_->Timer2_Timer();
}
void FrmMain::StatusTick() {
    mainLoop_->StatusTick();
}

void FrmMain::CmdList_Click() {
    showCentred(FileListForm);
}
void FrmMain::CmdAuto_Click() {
    songList_->CmdAuto_Click();
}
void FrmMain::NextSong() {
    songList_->NextSong();
}
void FrmMain::PrevSong() {
    songList_->PrevSong();
}

void FrmMain::ChangePicture(const std::string& CurLyr) {
    pictures_->ChangePicture(CurLyr);
}
void FrmMain::Image1_Click() {
    pictures_->Image1_Click();
}
void FrmMain::LblTim_Click() {
    pictures_->LblTim_Click();
}
void FrmMain::LblPictList_Click() {
    showCentred(PictListForm);
}

void FrmMain::hideTitles() {
    for (QLabel* title : lyric_.LblTit)
        title->hide();
}

} // namespace player
