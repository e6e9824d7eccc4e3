#pragma once
// The slideshow behind the lyric. Timer3 picks a random other picture of the list; while
// a song plays the new picture waits (PictureChangeDue) until the lyric advance finds a
// moment at which the screen is cleared anyway, because a new picture wipes the lyric.
#include "device/SequencerDevice.h"
#include "filelist/FileListBox.h"
#include "lyric/PictureCanvas.h"
#include "random/RandomPick.h"
#include "state/PlayerState.h"
#include "widgets/FormTimer.h"
#include "widgets/ImageBox.h"
#include "widgets/TextBox.h"

#include <QLabel>
#include <QObject>
#include <string>

namespace player {

class BackgroundPictures : public QObject {
    Q_OBJECT
public:
    // FileList: the picture list. Image1: the lyric screen's background; Image2: the
    // movie background. TxtPictName and Timer3 are created as controls of the panel.
    BackgroundPictures(PlayerState& state, SequencerDevice& device, FileListBox& FileList,
                       PictureCanvas& Image1, ImageBox& Image2, QLabel& LblVersion,
                       UniformDraw draw, QWidget& panel);

    TextBox* TxtPictName = nullptr; // hidden: the chosen picture; a change loads or schedules it
    FormTimer* Timer3 = nullptr;    // one tick per arming

    void Timer3_Timer();
    void TxtPictName_Change();
    // CurLyr: the pending syllable; the change is made at a line start or after the lyric.
    void ChangePicture(const std::string& CurLyr);
    // The two hot spots of the panel: slideshow on, movie background.
    void Image1_Click();
    void LblTim_Click();
    // Before each play from the start: the chosen picture again, the slideshow re-armed.
    void restartPictureTimer();
    // Interval options 0 to 2: "15 s", "30 s", "45 s".
    void chooseInterval(int option);
    // The option that matches the current interval.
    int intervalOption() const;

private:
    bool changeWaitsForLyric() const;

    PlayerState& state_;
    SequencerDevice& device_;
    FileListBox& FileList_;
    PictureCanvas& Image1_;
    ImageBox& Image2_;
    QLabel& LblVersion_;
    UniformDraw draw_;
};

} // namespace player
