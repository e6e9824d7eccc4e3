#include "FrmPictList.h"

#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace player {

FrmPictList::FrmPictList(PlayerState& state, SequencerDevice& device, FileListBox* FileList,
                         BackgroundPictures& pictures, DisplaySizer SetDisplaySize, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      FileList(FileList), state_(state), device_(device), pictures_(pictures),
      SetDisplaySize_(std::move(SetDisplaySize)) {
    setWindowTitle(QStringLiteral("Picture List *.bmp, *.jpg, *.gif"));
    setFixedSize(twipsToPixels(4710, this), twipsToPixels(3690, this));

    FileList->setParent(this);
    QFont listFont(QStringLiteral("MS Sans Serif"));
    listFont.setPointSizeF(9.75);
    FileList->setFont(listFont);
    placeInTwips(FileList, 120, 120, 3255, 3450);
    connect(FileList, &FileListBox::returnPressed, this, [this] { CmdSelect_Click(); });

    Label1 = new QLabel(QStringLiteral("Change picture every"), this);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    placeInTwips(Label1, 3480, 600, 1155, 435);

    const std::array<const char*, 3> captions{"15 s", "30 s", "45 s"};
    for (size_t i = 0; i < Option1.size(); ++i) {
        Option1[i] = new QRadioButton(QString::fromLatin1(captions[i]), this);
        placeInTwips(Option1[i], 3660, 1140 + 300 * static_cast<int>(i), 795, 255);
        connect(Option1[i], &QRadioButton::clicked, this,
                [this, i] { Option1_Click(static_cast<int>(i)); });
    }
    Option1[1]->setChecked(true);

    CmdStdSize = new QPushButton(QStringLiteral("640x480"), this);
    QFont sizeFont(QStringLiteral("Arial"));
    sizeFont.setPointSizeF(8.25);
    CmdStdSize->setFont(sizeFont);
    placeInTwips(CmdStdSize, 3480, 2160, 1155, 435);
    CmdHide = new QPushButton(QStringLiteral("Hide"), this);
    placeInTwips(CmdHide, 3480, 2640, 1155, 435);
    CmdSelect = new QPushButton(QStringLiteral("Select"), this);
    placeInTwips(CmdSelect, 3480, 3120, 1155, 435);

    connect(CmdStdSize, &QPushButton::clicked, this, &FrmPictList::CmdStdSize_Click);
    connect(CmdHide, &QPushButton::clicked, this, &FrmPictList::CmdHide_Click);
    connect(CmdSelect, &QPushButton::clicked, this, &FrmPictList::CmdSelect_Click);
}

void FrmPictList::Form_Activate() {
    Option1[static_cast<size_t>(pictures_.intervalOption())]->setChecked(true);
    if (state_.SmallScreen != False) {
        CmdStdSize->setText(QStringLiteral("Full Screen"));
        return;
    }
    CmdStdSize->setText(QStringLiteral("640x480"));
    // On a screen of 640x480 there is no smaller window to switch to.
    CmdStdSize->setEnabled(state_.FullHeight != state_.SmallHeight &&
                           state_.FullWidth != state_.SmallWidth);
}

void FrmPictList::Option1_Click(int index) {
    pictures_.chooseInterval(index);
}

void FrmPictList::CmdSelect_Click() {
    pictures_.TxtPictName->setText(FileList->fileName());
    hide();
}

// The stop leaves the flags alone: the next status tick ends the song as usual.
void FrmPictList::CmdStdSize_Click() {
    hide();
    if (state_.SmallScreen != False) {
        device_.stop();
        SetDisplaySize_(False, state_.FullHeight, state_.FullWidth);
        state_.SmallScreen = False;
        return;
    }
    if (state_.FullHeight == state_.SmallHeight && state_.FullWidth == state_.SmallWidth)
        return;
    device_.stop();
    SetDisplaySize_(True, state_.SmallHeight, state_.SmallWidth);
    state_.SmallScreen = True;
}

void FrmPictList::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            Form_Activate();
        else if (isVisible())
            hide();
    }
    QWidget::changeEvent(event);
}

void FrmPictList::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

void FrmPictList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && CmdStdSize->isEnabled()) {
        CmdStdSize_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace player
