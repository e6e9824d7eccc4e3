#pragma once
// The song list window: the songs of the application folder, picked with "Select" or the
// Enter key. It hides instead of closing and whenever the user turns to another window.
#include "filelist/FileListBox.h"
#include "widgets/TextBox.h"

#include <QPushButton>
#include <QWidget>

namespace player {

class FrmFileList : public QWidget {
    Q_OBJECT
public:
    explicit FrmFileList(TextBox& TxtPathName, QWidget* parent = nullptr);

    FileListBox* FileList = nullptr;
    QPushButton* CmdRefresh = nullptr; // the folder refresh; the panel acts on its click
    QPushButton* CmdHide = nullptr;
    QPushButton* CmdSelect = nullptr;

    void CmdSelect_Click();
    void CmdHide_Click() { hide(); }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    TextBox& TxtPathName_;
};

} // namespace player
