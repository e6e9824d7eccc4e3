#pragma once
// The picture list window: pick a picture, the slideshow's interval, and the lyric
// screen's size (full screen or 640x480). It hides instead of closing and whenever the
// user turns to another window.
#include "BackgroundPictures.h"
#include "device/SequencerDevice.h"
#include "filelist/FileListBox.h"
#include "state/PlayerState.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <functional>

namespace player {

class FrmPictList : public QWidget {
    Q_OBJECT
public:
    // SetDisplaySize: the panel's routine that sizes the lyric screen.
    using DisplaySizer = std::function<void(int16_t SetToMin, int32_t DsplH, int32_t DsplW)>;

    // FileList: the picture list the slideshow draws from; the window takes it in.
    FrmPictList(PlayerState& state, SequencerDevice& device, FileListBox* FileList,
                BackgroundPictures& pictures, DisplaySizer SetDisplaySize,
                QWidget* parent = nullptr);

    FileListBox* FileList;
    QLabel* Label1 = nullptr;
    std::array<QRadioButton*, 3> Option1{};
    QPushButton* CmdStdSize = nullptr;
    QPushButton* CmdHide = nullptr;
    QPushButton* CmdSelect = nullptr;

    void Form_Activate();
    void Option1_Click(int index);
    void CmdSelect_Click();
    void CmdHide_Click() { hide(); }
    void CmdStdSize_Click();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    PlayerState& state_;
    SequencerDevice& device_;
    BackgroundPictures& pictures_;
    DisplaySizer SetDisplaySize_;
};

} // namespace player
