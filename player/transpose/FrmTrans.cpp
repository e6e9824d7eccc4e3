#include "FrmTrans.h"

#include "state/AutoPlayOff.h"
#include "widgets/Twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <filesystem>

namespace player {
namespace {

const QString kCaption = QStringLiteral("Transpose song Up / Down");
constexpr int32_t kLongestSong = 32000; // sixteenth notes the position controls can show

QWidget* line(QWidget* parent, const QColor& colour, int top) {
    auto* l = new QWidget(parent);
    l->setAutoFillBackground(true);
    QPalette palette = l->palette();
    palette.setColor(QPalette::Window, colour);
    l->setPalette(palette);
    placeInTwips(l, 120, top, 4620, 15);
    return l;
}

} // namespace

FrmTrans::FrmTrans(PlayerState& state, SequencerDevice& device, AutoPlayLamps& lamps, Panel panel,
                   NotebendLibrary& notebend, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      state_(state), device_(device), lamps_(lamps), panel_(panel), notebend_(notebend) {
    setWindowTitle(kCaption);
    setModal(false);
    createControls();
    connect(CmdOk, &QPushButton::clicked, this, &FrmTrans::CmdOk_Click);
    connect(CmdReset, &QPushButton::clicked, this, &FrmTrans::CmdReset_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmTrans::CmdCancel_Click);
}

void FrmTrans::createControls() {
    setFixedSize(twipsToPixels(4815, this), twipsToPixels(2055, this));
    for (int i = 0; i < 5; ++i) {
        const int top = 120 + 300 * i;
        OptUp[static_cast<size_t>(i)] =
            new QRadioButton(QStringLiteral("Up %1 half step").arg(i + 1), this);
        placeInTwips(OptUp[static_cast<size_t>(i)], 240, top, 1575, 195);
        auto* down = new QRadioButton(QStringLiteral("Down %1 half step").arg(i + 1), this);
        down->setLayoutDirection(Qt::RightToLeft); // the text on the left of the button
        placeInTwips(down, 1920, top, 1575, 195);
        OptDn[static_cast<size_t>(i)] = down;
    }
    OptUp[0]->setChecked(true);

    CmdOk = new QPushButton(QStringLiteral("Transpose"), this);
    placeInTwips(CmdOk, 3600, 120, 1095, 375);
    CmdReset = new QPushButton(QStringLiteral("Reset"), this);
    placeInTwips(CmdReset, 3600, 600, 1095, 375);
    CmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    placeInTwips(CmdCancel, 3600, 1080, 1095, 375);
    for (QPushButton* b : {CmdOk, CmdReset, CmdCancel})
        b->setAutoDefault(false);
    CmdCancel->setDefault(true); // Enter; Esc rejects the dialog, which hides it

    line(this, QColor(128, 128, 128), 1620);
    line(this, Qt::white, 1635);

    Label1 = new QLabel(
        QStringLiteral("Select steps to transpose current song, then click <Transpose>"), this);
    Label1->setAlignment(Qt::AlignCenter);
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::WindowText, QColor(128, 0, 0));
    Label1->setPalette(palette);
    placeInTwips(Label1, 120, 1740, 4575, 255);
}

void FrmTrans::CmdTrans_Click() {
    setWindowTitle(kCaption);
    setEnabled(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

int FrmTrans::chosenShift() const {
    int shift = 0;
    for (int i = 0; i < 5; ++i) {
        if (OptUp[static_cast<size_t>(i)]->isChecked())
            shift = i + 1;
    }
    for (int i = 0; i < 5; ++i) {
        if (OptDn[static_cast<size_t>(i)]->isChecked())
            shift = -(i + 1);
    }
    return shift;
}

void FrmTrans::closeDevice() {
    device_.close();
    state_.IsPlaying = False;
    state_.IsStopped = True;
}

bool FrmTrans::openInputSong() {
    if (device_.open("Input.bin"))
        return false;
    state_.SongLength = device_.length();
    if (state_.SongLength <= kLongestSong) {
        panel_.HScroll1.setMaximum(state_.SongLength);
        panel_.HScroll1.setValue(0);
        panel_.ProgressBar1.setMaximum(state_.SongLength + 1);
        panel_.ProgressBar1.setValue(0);
    }
    return true;
}

void FrmTrans::cannotOpen() {
    panel_.LblVersion.setText(QStringLiteral("Cannot open input song."));
    hide();
}

bool FrmTrans::reopenUntransposed() {
    std::error_code failed;
    std::filesystem::copy_file(panel_.TxtPathName.text().toStdString(), "Input.bin",
                               std::filesystem::copy_options::overwrite_existing, failed);
    return !failed && openInputSong();
}

void FrmTrans::restoreUntransposed() {
    if (!reopenUntransposed()) {
        cannotOpen();
        return;
    }
    hide();
}

void FrmTrans::CmdOk_Click() {
    setEnabled(false);
    setWindowTitle(QStringLiteral("Working, please wait..."));
    AutoPlayOff(state_, lamps_);
    closeDevice();

    // The library always starts from the untransposed copy, so shifts never add up.
    const std::optional<int> result = notebend_.Transpose(chosenShift(), "Input.sng");
    if (!result) {
        panel_.LblVersion.setText(QStringLiteral("Transpose Error."));
        restoreUntransposed();
        return;
    }
    if (*result != 0) {
        // The reason is in "Error2.msg"; the user just hears the song as it was.
        restoreUntransposed();
        return;
    }
    if (!openInputSong()) {
        cannotOpen();
        return;
    }
    panel_.LblVersion.setText(QStringLiteral("Transpose Ok"));
    hide();
}

void FrmTrans::CmdReset_Click() {
    closeDevice();
    if (!reopenUntransposed()) {
        cannotOpen();
        return;
    }
    panel_.LblVersion.setText(QStringLiteral("Reset Ok"));
    hide();
}

void FrmTrans::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // Turning to another window of the player puts the dialog away.
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow())
        hide();
}

} // namespace player
