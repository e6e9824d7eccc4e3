#include "BackgroundPictures.h"

#include "device/DeviceMode.h"

#include <QFile>
#include <array>

namespace player {
namespace {

struct IntervalOption {
    int32_t interval; // milliseconds
    int32_t lead;     // sixteenth notes
};

// The captions promise 15, 30 and 45 seconds; the first two change sooner.
constexpr std::array<IntervalOption, 3> kIntervals{{{10000, 0}, {25000, 4}, {45000, 8}}};

bool beginsLine(const std::string& syllable) {
    return !syllable.empty() && (syllable.front() == '/' || syllable.front() == '\\');
}

} // namespace

BackgroundPictures::BackgroundPictures(PlayerState& state, SequencerDevice& device,
                                       FileListBox& FileList, PictureCanvas& Image1,
                                       ImageBox& Image2, QLabel& LblVersion, UniformDraw draw,
                                       QWidget& panel)
    : QObject(&panel), state_(state), device_(device), FileList_(FileList), Image1_(Image1),
      Image2_(Image2), LblVersion_(LblVersion), draw_(std::move(draw)) {
    TxtPictName = new TextBox(&panel);
    TxtPictName->hide();
    Timer3 = new FormTimer(this);
    Timer3->setInterval(state.PictureInterval);
    connect(TxtPictName, &TextBox::Change, this, &BackgroundPictures::TxtPictName_Change);
    connect(Timer3, &FormTimer::Timer, this, &BackgroundPictures::Timer3_Timer);
}

void BackgroundPictures::Timer3_Timer() {
    Timer3->setInterval(0);
    if (state_.PictureChangeDue != False)
        return;
    // The change is only marked, so ChangePicture keeps the chain going without a picture.
    if (state_.BrowseOpen != False || state_.PlainBackground != False) {
        state_.PictureChangeDue = True;
        return;
    }
    const int picked = pickOther(FileList_.listCount(), FileList_.listIndex(), draw_);
    FileList_.setListIndex(picked);
    TxtPictName->setText(FileList_.fileName());
}

void BackgroundPictures::TxtPictName_Change() {
    state_.PictureFile = TxtPictName->text();
    bool done = true;
    if (device_.mode() == ModePlaying) {
        QFile file(state_.PictureFile);
        done = file.open(QIODevice::ReadOnly);
        if (done) {
            LblVersion_.setText(QStringLiteral("Ready to load ") + state_.PictureFile);
            state_.PictureChangeDue = True;
        }
    } else if (state_.PictureMode != False) {
        done = Image1_.loadPicture(state_.PictureFile);
    } else {
        Image1_.repaintPicture();
    }
    if (!done) {
        state_.PictureChangeDue = False;
        LblVersion_.setText(QStringLiteral("Cannot Open/Load ") + state_.PictureFile + u'.');
    }
}

void BackgroundPictures::ChangePicture(const std::string& CurLyr) {
    if (state_.LyricDataEnded == False && !beginsLine(CurLyr))
        return;
    const double x = Image1_.currentX();
    const double y = Image1_.currentY();
    bool loaded = true;
    if (state_.BrowseOpen == False && state_.PictureMode != False)
        loaded = Image1_.loadPicture(state_.PictureFile);
    else
        Image1_.repaintPicture();
    state_.PictureChangeDue = False;
    LblVersion_.setText(loaded ? QStringLiteral("Ze Dazarav Uzadiz V208")
                               : QStringLiteral("Cannot load ") + state_.PictureFile + u'.');
    Timer3->setInterval(state_.PictureInterval);
    Image1_.moveTo(x, y);
}

bool BackgroundPictures::changeWaitsForLyric() const {
    return state_.PictureChangeDue != False && device_.mode() == ModePlaying;
}

void BackgroundPictures::Image1_Click() {
    if (state_.PlainBackground == False || changeWaitsForLyric())
        return;
    state_.PictureFile = FileList_.fileName();
    state_.PictureMode = True;
    state_.PlainBackground = False;
    LblVersion_.setText(QStringLiteral("Picture Mode is now ON"));
    // The movie background stays when the picture cannot be shown.
    if (!Image1_.loadPicture(state_.PictureFile))
        LblVersion_.setText(QStringLiteral("Cannot load ") + state_.PictureFile + u'.');
}

void BackgroundPictures::LblTim_Click() {
    if (changeWaitsForLyric())
        return;
    state_.PictureMode = False;
    state_.PlainBackground = True;
    LblVersion_.setText(QStringLiteral("Picture Mode is now OFF"));
    Image1_.setPicture(Image2_.picture().toImage());
}

void BackgroundPictures::restartPictureTimer() {
    if (state_.PicturesAvailable == False)
        return;
    TxtPictName->setText(FileList_.fileName());
    Timer3->setInterval(state_.PictureInterval);
}

void BackgroundPictures::chooseInterval(int option) {
    const IntervalOption& chosen = kIntervals.at(static_cast<size_t>(option));
    state_.PictureInterval = chosen.interval;
    state_.PictureLead = chosen.lead;
    Timer3->setInterval(state_.PictureInterval);
}

int BackgroundPictures::intervalOption() const {
    if (state_.PictureInterval == kIntervals[0].interval)
        return 0;
    if (state_.PictureInterval == kIntervals[2].interval)
        return 2;
    return 1;
}

} // namespace player
