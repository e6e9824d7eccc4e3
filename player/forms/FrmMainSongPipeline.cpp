// FrmMain: the road from a chosen song to the extractor's answer.
#include "FrmLyric.h"
#include "FrmMain.h"
#include "lyricdata/LyricText.h"
#include "pipeline/MidiReset.h"
#include "pipeline/SongCopy.h"
#include "pipeline/SongTitle.h"
#include "pipeline/WorkingFiles.h"

#include <QCoreApplication>
#include <QDir>

namespace player {
namespace {

constexpr int16_t kCompletionKey = 58;

// The first line of the extractor's message file, or no value when there is none.
std::optional<std::string> extractorMessage(TextFileTable& files) {
    const int16_t msg = files.openForInput("Error1.msg");
    if (msg == 0)
        return std::nullopt;
    auto line = files.readLine(msg);
    files.close(msg);
    return line;
}

} // namespace

// The pipeline lets pending events run once, and a song chosen then (a hurried Next, a
// key held down) must not start a second pipeline inside the first: it waits, and only the
// newest of the songs chosen meanwhile is loaded once the first is done.
void FrmMain::TxtPathName_Change() {
    if (pipelineBusy_) {
        choiceWaiting_ = true;
        return;
    }
    pipelineBusy_ = true;
    do {
        choiceWaiting_ = false;
        loadChosenSong();
    } while (choiceWaiting_);
    pipelineBusy_ = false;
}

void FrmMain::loadChosenSong() {
    // The extractor of the song before must not write into this song's files, nor answer.
    extractor_->stop();
    TimerTextpull->setEnabled(false);
    deleteWorkingFiles(kSongWorkingFiles);
    QCoreApplication::processEvents();
    if (choiceWaiting_)
        return;
    const QString path = trimSpaces(TxtPathName->text());
    if (path.isEmpty())
        return;
    LblTitle->setText(songTitle(path));

    device_.setTickInterval(0);
    device_.close();
    state_.IsPlaying = False;
    state_.IsStopped = True;
    state_.OpenFiles.closeAll();
    state_.DatFileNo = 0;
    state_.StrFileNo = 0;
    ResetMidiOut();
    for (QLabel* title : lyric_.LblTit)
        title->setText(QString());

    // A bare name is a song of the song folder's list; the open dialog gives whole paths.
    const QString song = QDir(state_.SongFolder).filePath(TxtPathName->text());
    if (auto failure = copySongToWorkingFiles(song)) {
        LblVersion->setText(*failure);
        return;
    }
    LblVersion->setText(QStringLiteral("Loading. Please wait..."));
    state_.LyricReplyReceived = False;
    state_.LyricTimedOut = False;
    if (auto failure = extractor_->start(state_.ProgramFolder)) {
        LblVersion->setText(*failure);
        return;
    }
    TimerTextpull->setEnabled(true); // counts its 10 seconds again for this song

    if (state_.PanelShown == False) {
        state_.PanelShown = True;
        show();
        repaint();
    }
}

void FrmMain::CmdMess_KeyUp(int16_t KeyCode, int16_t Shift) {
    // One answer per song: a second one (forged, or repeated) would open the lyric files
    // again over the ones in use.
    if (state_.LyricTimedOut != False || state_.LyricReplyReceived != False)
        return;
    state_.LyricReplyReceived = True;
    if (KeyCode != kCompletionKey) {
        state_.HasLyric = False;
        LblVersion->setText(QStringLiteral("GetLyric return bad."));
        CmdTrans->setEnabled(false);
        return;
    }
    if (Shift == 0) {
        state_.HasLyric = True;
        LblVersion->setText(QStringLiteral("GetLyric complete"));
        LoadLyricData();
        CmdTrans->setEnabled(true);
        return;
    }
    state_.HasLyric = False;
    LblVersion->setText(QStringLiteral("GetLyric error."));
    // An extractor that failed without a word leaves "GetLyric error." standing.
    if (auto message = extractorMessage(state_.OpenFiles); message && !message->empty())
        LblVersion->setText(lyricBytesToText(*message));
    LoadLyricData();
}

void FrmMain::TimerTextpull_Timer() {
    TimerTextpull->setEnabled(false);
    if (state_.LyricReplyReceived != False) {
        state_.LyricTimedOut = False;
        return;
    }
    state_.LyricTimedOut = True;
    extractor_->stop(); // its answer is ignored now, so it need not run on
    LblVersion->setText(QStringLiteral("GetLyric TimeOut."));
}

int16_t FrmMain::ResetMidiOut() {
    if (auto failure = sendMidiReset(midiOut_)) {
        LblVersion->setText(*failure);
        return False;
    }
    return True;
}

} // namespace player
