// FrmMain: the panel's faces and what they start, its outline, the about box, the open and
// transpose dialogs, the start-up steps it hosts, the folder refresh and power-off.
#include "FrmLyric.h"
#include "FrmMain.h"
#include "about/FileDialogChooser.h"
#include "panel/SkinArt.h"
#include "widgets/FatalMessage.h"
#include "widgets/Twips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QScreen>
#include <Skin.h>
#include <cmath>
#include <contolib/Contora.h>
#include <contolib/FormData.h>
#include <contolib/FormHost.h>
#include <cstdlib>

namespace player {
namespace {

const QString kTitle = QStringLiteral("melodeck");

QPixmap skinPicture(skin::SkinPicture picture) {
    return QPixmap(skin::skinPicturePath(picture));
}

// "MS Serif" 12 points; where that narrow font is missing, a narrow serif of the system.
QFont panelFont() {
    QFont::insertSubstitutions(QStringLiteral("MS Serif"), {QStringLiteral("Liberation Serif"),
                                                            QStringLiteral("DejaVu Serif")});
    QFont font(QStringLiteral("MS Serif"), 12);
    font.setStyleHint(QFont::Serif);
    return font;
}

int32_t twipsPerPixel(int dpi) {
    return static_cast<int32_t>(std::lround(1440.0 / dpi));
}

} // namespace

void FrmMain::createPanel() {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
    setFixedSize(twipsToPixels(9060, this), twipsToPixels(2940, this));

    ImgLedS->setPicture(skinPicture(skin::SkinPicture::ImgLedS));
    ImgLedN->setPicture(skinPicture(skin::SkinPicture::ImgLedN));
    for (ImageBox* lamp : ImgAuLed)
        lamp->setPicture(ImgLedN->picture());

    LblVno = new QLabel(QStringLiteral("V0.1"), this);
    LblVno->setAlignment(Qt::AlignCenter);
    QPalette grey = LblVno->palette();
    grey.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    LblVno->setPalette(grey);
    placeInTwips(LblVno, 7980, 2280, 855, 405);

    const QFont serif = panelFont();
    LblVersion->setFont(serif);
    LblVersion->setText(QStringLiteral("Ze-Dazarav Uzadiz V208"));
    statusLine_ = new StatusLine(*LblVersion, state_);
    LblTitle->setFont(serif);
    QPalette title = LblTitle->palette();
    title.setColor(QPalette::WindowText, QColor(0xFF, 0xFF, 0x80));
    LblTitle->setPalette(title);
    Faces = new PanelFaces(*this, skinPanelArt(), state_, *this);
    for (QWidget* shown : std::initializer_list<QWidget*>{LblVersion, LblTitle, ProgressBar1})
        shown->raise();
    connect(&playback(), &Playback::deviceStateUpdated, this, &FrmMain::RefreshTransportFaces);
    connect(CmdTrans, &QPushButton::clicked, this, &FrmMain::CmdTrans_Click);

    About = new FrmAbout(skinPicture(skin::SkinPicture::AboutPicture),
                         skinPicture(skin::SkinPicture::AboutLogo), this);
    chooser_ = std::make_unique<FileDialogChooser>(this);
    browser_ = std::make_unique<SongBrowser>(state_, *this, *TxtPathName,
                                             *FileListForm->FileList, *chooser_);
    powerOff_ = std::make_unique<PowerOff>(state_, device_,
                                           PowerOff::Parts{*this, lyric_, {Timer2, Timer3}},
                                           [] { QCoreApplication::exit(0); });
    folderRefresh_ = std::make_unique<FolderRefresh>(
        state_, device_,
        FolderRefresh::Parts{*LblTitle, *TxtPathName, *FileListForm->FileList, *lyric_.Image1,
                             lyric_.LblTit},
        [this](const QString& text) { QMessageBox::critical(this, kTitle, text); },
        [this] { CmdOff_Click(); });
    connect(FileListForm->CmdRefresh, &QPushButton::clicked, this, &FrmMain::CmdRefresh_Click);
    createOutline();
}

void FrmMain::createOutline() {
    contolib::FormData form;
    QString error;
    if (form.readFile(QStringLiteral(":/forms/FrmMain.form"), &error)) {
        auto* host = new contolib::FormHost(this, contolib::FormHost::Mode::User);
        Contora1 = host->createContora(form, QStringLiteral("Contora1"), &error);
    }
    // Without its outline the panel still works, as a rectangle.
    if (Contora1 == nullptr)
        LblVersion->setText(error);
    firstActivation_ = std::make_unique<FirstActivation>(
        state_,
        [this] {
            if (Contora1 != nullptr)
                Contora1->show();
        },
        *LblVersion, [this](const QString& text) { QMessageBox::information(this, kTitle, text); });
}

void FrmMain::PaintPanel() {
    Faces->PaintPanel();
}

void FrmMain::RefreshTransportFaces() {
    Faces->RefreshTransportFaces();
}

void FrmMain::CmdOff_Click() {
    powerOff_->CmdOff_Click();
}

void FrmMain::CmdRefresh_Click() {
    folderRefresh_->CmdRefresh_Click();
}

void FrmMain::CmdAbout_Click() {
    About->CmdAbout_Click();
}

void FrmMain::CmdBrowse_Click() {
    browser_->CmdBrowse_Click();
}

void FrmMain::CmdTrans_Click() {
    if (!FrmTransForm) {
        notebend_ = std::make_unique<NotebendLibrary>(state_.ProgramFolder.toStdString());
        FrmTransForm = new FrmTrans(
            state_, device_, *this,
            FrmTrans::Panel{*LblVersion, *TxtPathName, *HScroll1, *ProgressBar1}, *notebend_, this);
    }
    FrmTransForm->CmdTrans_Click();
}

void FrmMain::endSilently() {
    std::_Exit(EXIT_SUCCESS);
}

void FrmMain::showWindowsAndMeasure() {
    lyric_.showMaximised();
    About->CmdAbout_Click();
    About->repaint();

    state_.PixelTwipsX = twipsPerPixel(logicalDpiX());
    state_.PixelTwipsY = twipsPerPixel(logicalDpiY());
    state_.SmallHeight = state_.PixelTwipsY * 480;
    state_.SmallWidth = state_.PixelTwipsX * 640;
    state_.FullHeight = static_cast<int32_t>(std::lround(lyric_.height() * 1440.0 / logicalDpiY()));
    state_.FullWidth = static_cast<int32_t>(std::lround(lyric_.width() * 1440.0 / logicalDpiX()));
    SetDisplaySize(False, state_.FullHeight, state_.FullWidth);
    lyric_.Image1->setFontSize(state_.FontSizes[3]);
}

void FrmMain::showPanel() {
    if (const QScreen* screen = this->screen())
        move(screen->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void FrmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        firstActivation_->Form_Activate(logicalDpiX(), logicalDpiY());
}

} // namespace player
