// FrmMain: opening the extracted song for play and putting its lyric back to the start.
#include "FrmLyric.h"
#include "FrmMain.h"
#include "lyricdata/LyricCharset.h"
#include "lyricdata/LyricReading.h"
#include "lyricdata/LyricText.h"
#include "lyricdata/SplitRecord.h"
#include "lyricdata/TitleLines.h"

namespace player {
namespace {

constexpr int32_t kLongestSong = 32000; // sixteenth notes
const QString kReady = QStringLiteral("Ze Dazarav Uzadiz V208");

} // namespace

void FrmMain::LoadLyricData() {
    // Files of an answer before (a repeated one) are let go rather than left open.
    state_.OpenFiles.closeAll();
    if (auto failure = device_.open("Input.bin")) {
        refuseSong(failure->empty() ? QStringLiteral("Could not open input song.")
                                    : QString::fromStdString(*failure));
        return;
    }
    // The open's device notice: without it the transport faces would never learn that the
    // device can play, and Play would ignore the mouse.
    UpdateDeviceState(0);
    state_.SongLength = device_.length();
    // A damaged song never ends the program: it is refused, with the reason it had.
    if (state_.SongLength > kLongestSong) {
        refuseSong(QStringLiteral("Fatal error while geting song's length."));
        return;
    }
    HScroll1->setRange(0, state_.SongLength);
    HScroll1->setValue(0);
    ProgressBar1->setRange(0, state_.SongLength + 1);
    ProgressBar1->setValue(0);

    state_.DatFileNo = state_.OpenFiles.openForInput("Input.dat");
    if (state_.DatFileNo == 0) {
        playWithoutLyricData();
        songList_->songAccepted();
        return;
    }
    std::string divisionLine;
    if (!state_.OpenFiles.atEnd(state_.DatFileNo)) {
        divisionLine = state_.OpenFiles.readLine(state_.DatFileNo).value_or("");
        ConvertStr(divisionLine, 0);
    }
    state_.LyricDataEnded = asFlag<Flag32>(state_.OpenFiles.atEnd(state_.DatFileNo));
    state_.Division = divisionLine.empty() ? 0 : leadingNumber(divisionLine);
    if (state_.Division < 4) {
        refuseSong(QStringLiteral("Error geting division."));
        return;
    }
    songList_->songAccepted();
    state_.TicksPer16th = state_.Division / 4;

    if (state_.HasLyric != False) {
        state_.StrFileNo = state_.OpenFiles.openForInput("Input.str");
        LblVersion->setText(kReady);
        const auto captions = readTitleLines(state_.OpenFiles, "Input.tit");
        for (size_t i = 0; i < captions.size(); ++i) {
            if (!captions[i])
                continue;
            lyric_.LblTit[i]->setText(lyricBytesToText(*captions[i]));
            lyric_.LblTit[i]->show();
            state_.TitlesVisible = True;
        }
    } else {
        for (QLabel* title : lyric_.LblTit) {
            title->setText(QString());
            title->hide();
        }
    }
    if (lyric_.LblTit[0]->text().isEmpty()) {
        lyric_.LblTit[0]->setText(trimSpaces(TxtPathName->text()));
        lyric_.LblTit[0]->show();
        state_.TitlesVisible = True;
    }
}

void FrmMain::refuseSong(const QString& reason) {
    device_.close();
    UpdateDeviceState(0);
    state_.OpenFiles.closeAll();
    state_.DatFileNo = 0;
    state_.StrFileNo = 0;
    state_.IsPlaying = False;
    state_.IsStopped = True;
    LblVersion->setText(reason);
    if (!songList_->moveOnAfterRefusal())
        AutoPlayOff();
}

// The extractor gave up before it wrote "Input.dat": the song plays, without lyric.
void FrmMain::playWithoutLyricData() {
    state_.HasLyric = False;
    state_.Division = 0;
    state_.TicksPer16th = 0;
    state_.LyricDataEnded = True;
    LblVersion->setText(QStringLiteral("No lyric data: the song plays without lyric"));
    for (QLabel* title : lyric_.LblTit) {
        title->setText(QString());
        title->hide();
    }
    lyric_.LblTit[0]->setText(trimSpaces(TxtPathName->text()));
    lyric_.LblTit[0]->show();
    state_.TitlesVisible = True;
}

int16_t FrmMain::RewindLyric() {
    device_.setStartPosition(0);
    state_.NextTime = 0;
    state_.NextTick = 0;
    state_.LastRowUpper = True;
    state_.LineReady = False;
    state_.NeedNewLine = False;

    const char* stage = "getting input midi data.";
    bool read = state_.OpenFiles.rewind(state_.DatFileNo) && ReadNextRecord(state_);
    if (read) {
        state_.LyricDataEnded = asFlag<Flag32>(LyricDataAtEnd(state_));
        stage = "getting lyric data 1.";
        SplitRecord(state_);
        if (state_.HasLyric != False) {
            stage = "getting lyric data 2.";
            read = state_.OpenFiles.rewind(state_.StrFileNo) && ReadNextLyricLine(state_);
        }
    }
    if (state_.HasLyric == False) {
        LblVersion->setText(QStringLiteral("Without Lyric"));
        return True;
    }
    if (!read) {
        LblVersion->setText(QStringLiteral("Error %1.").arg(QLatin1String(stage)));
        return False;
    }
    state_.UpperRowY = state_.LyricRowTop;
    state_.LowerRowY = state_.LyricRowTop + 650;
    Timer2->setInterval(0);
    LblVersion->setText(kReady);
    return True;
}

} // namespace player
