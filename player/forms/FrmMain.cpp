#include "FrmMain.h"

#include "state/AutoPlayOff.h"
#include "widgets/FatalMessage.h"
#include "widgets/Twips.h"

#include <QPainter>

namespace player {
namespace {

QPixmap lampPicture(const QColor& colour) {
    QPixmap picture(18, 9);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.fillRect(picture.rect().adjusted(1, 1, -1, -1), colour);
    return picture;
}

} // namespace

FrmMain::FrmMain(PlayerState& state, SequencerDevice& device, MidiOutput& midiOut, FrmLyric& lyric,
                 QWidget* parent)
    : QWidget(parent), state_(state), device_(device), midiOut_(midiOut), lyric_(lyric),
      fatal_(showFatalMessageAndEnd) {
    setWindowTitle(QStringLiteral("Da Zazide"));
    createControls();
    createShell();
    createPanel();

    connect(TxtPathName, &TextBox::Change, this, &FrmMain::TxtPathName_Change);
    connect(CmdMess, &KeyUpButton::KeyUp, this, &FrmMain::CmdMess_KeyUp);
    connect(TimerTextpull, &FormTimer::Timer, this, &FrmMain::TimerTextpull_Timer);

    extractor_ = std::make_unique<ExtractorRun>(CmdMess);
}

void FrmMain::createControls() {
    resize(twipsToPixels(9060, this), twipsToPixels(2940, this));

    TxtPathName = new TextBox(this);
    TxtPathName->hide();

    LblVersion = new QLabel(this);
    LblVersion->setAlignment(Qt::AlignCenter);
    placeInTwips(LblVersion, 3300, 720, 3880, 315);

    LblTitle = new QLabel(QStringLiteral("File's Info"), this);
    LblTitle->setAlignment(Qt::AlignCenter);
    placeInTwips(LblTitle, 3300, 1020, 3880, 315);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setTextVisible(false);
    placeInTwips(ProgressBar1, 3300, 1380, 3880, 135);

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->hide();

    CmdMess = new KeyUpButton(QStringLiteral("Message"), this);
    CmdMess->hide();
    CmdTrans = new QPushButton(QStringLiteral("Transpose"), this);
    CmdTrans->hide();

    TimerTextpull = new FormTimer(this);
    TimerTextpull->setEnabled(false);
    TimerTextpull->setInterval(10000);
    Timer2 = new FormTimer(this);

    ImgLedS = new ImageBox(this);
    ImgLedS->setPicture(lampPicture(QColor(80, 255, 80)));
    ImgLedS->hide();
    ImgLedN = new ImageBox(this);
    ImgLedN->setPicture(lampPicture(QColor(40, 60, 40)));
    ImgLedN->hide();
    for (size_t i = 0; i < ImgAuLed.size(); ++i) {
        ImgAuLed[i] = new ImageBox(this);
        placeInTwips(ImgAuLed[i], 380 + 280 * static_cast<int>(i), 2040, 270, 135);
        ImgAuLed[i]->setPicture(ImgLedN->picture());
    }
}

void FrmMain::AutoPlayOff() {
    player::AutoPlayOff(state_, *this);
}

void FrmMain::setLampLit(int index, bool lit) {
    ImgAuLed.at(static_cast<size_t>(index))
        ->setPicture(lit ? ImgLedS->picture() : ImgLedN->picture());
}

} // namespace player
