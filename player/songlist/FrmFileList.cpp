#include "FrmFileList.h"

#include "widgets/Twips.h"

#include <QCloseEvent>

namespace player {

FrmFileList::FrmFileList(TextBox& TxtPathName, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      TxtPathName_(TxtPathName) {
    setWindowTitle(QStringLiteral("Song List *.kar, *.mid"));
    setFixedSize(twipsToPixels(6645, this), twipsToPixels(3195, this));

    FileList = new FileListBox(QStringLiteral("*.kar;*.mid"), this);
    QFont listFont(QStringLiteral("MS Sans Serif"));
    listFont.setPointSizeF(9.75);
    FileList->setFont(listFont);
    placeInTwips(FileList, 120, 120, 5235, 2970);
    connect(FileList, &FileListBox::returnPressed, this, [this] { CmdSelect_Click(); });

    CmdRefresh = new QPushButton(QStringLiteral("Refresh"), this);
    placeInTwips(CmdRefresh, 5460, 120, 1095, 735);
    CmdHide = new QPushButton(QStringLiteral("Hide"), this);
    placeInTwips(CmdHide, 5460, 900, 1095, 735);
    CmdSelect = new QPushButton(QStringLiteral("Select"), this);
    placeInTwips(CmdSelect, 5460, 1680, 1095, 1395);

    connect(CmdHide, &QPushButton::clicked, this, &FrmFileList::CmdHide_Click);
    connect(CmdSelect, &QPushButton::clicked, this, &FrmFileList::CmdSelect_Click);
}

void FrmFileList::CmdSelect_Click() {
    hide();
    TxtPathName_.setText(FileList->fileName());
}

void FrmFileList::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow())
        hide();
    QWidget::changeEvent(event);
}

// The window lives for the whole run: a close only hides it.
void FrmFileList::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

} // namespace player
