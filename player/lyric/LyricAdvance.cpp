#include "LyricAdvance.h"

#include "LyricCharacters.h"
#include "lyricdata/LyricCharset.h"
#include "lyricdata/LyricReading.h"
#include "lyricdata/LyricText.h"
#include "lyricdata/SplitRecord.h"

#include <cmath>

namespace player {
namespace {

constexpr int32_t kDrawAhead = 8;  // sixteenth notes before its first syllable
constexpr int32_t kGapAfter = 16;  // a picture may change when the next line is
constexpr int32_t kGapBefore = 48; // between these two leads, both excluded
constexpr int kLayerOffset = 30;   // twips between the shadow and the coloured layers
constexpr int kCentringCorrection = 50;

bool beginsLine(const std::string& syllable) {
    return !syllable.empty() && (syllable.front() == '/' || syllable.front() == '\\');
}

} // namespace

const QColor LyricAdvance::kShadow{0, 0, 0};
const QColor LyricAdvance::kUnsung{255, 32, 32};
const QColor LyricAdvance::kSung{255, 255, 128};

LyricAdvance::LyricAdvance(PlayerState& state, LyricCanvas& canvas, LyricAdvanceHost& host,
                           SequencerDevice& device)
    : state_(state), canvas_(canvas), host_(host), device_(device) {}

void LyricAdvance::AdvanceLyric(int32_t position) {
    advance(position, [&] { return position >= state_.NextTime; });
}

void LyricAdvance::AdvanceLyric(SongTime at) {
    advance(at.sixteenths, [&] { return at.tick >= state_.NextTick; });
}

void LyricAdvance::advance(int32_t position, const std::function<bool()>& syllableDue) {
    const int32_t diff = state_.NextTime - position;
    const bool lineDue = state_.NeedNewLine != False ||
                         (state_.LineReady == False && diff > 0 && diff <= kDrawAhead);
    if (lineDue && beginsLine(state_.NextSyllable) && !drawNextLine(diff))
        return;

    lightSyllables(syllableDue);

    if (state_.PictureChangeDue == False)
        return;
    if (state_.LyricDataEnded != False)
        host_.ChangePicture(state_.NextSyllable);
    else if (beginsLine(state_.NextSyllable) && diff > kGapAfter && diff < kGapBefore)
        host_.ChangePicture(state_.NextSyllable);
}

bool LyricAdvance::drawNextLine(int32_t diff) {
    if (state_.TitlesVisible != False) {
        host_.hideTitles();
        state_.TitlesVisible = False;
    }
    const bool upper = state_.NextSyllable.front() == '\\';
    if (state_.LastRowUpper == False || upper) {
        if (diff > state_.PictureLead && state_.PictureChangeDue != False)
            host_.ChangePicture(state_.NextSyllable);
        else
            canvas_.repaintPicture();
    }

    double x = 0;
    if (!placeLine(x))
        return false;
    const int32_t rowTop = upper ? state_.UpperRowY : state_.LowerRowY;
    canvas_.setColour(kShadow);
    printLine(x, rowTop);
    canvas_.setColour(kUnsung);
    printLine(x + kLayerOffset, rowTop + kLayerOffset);
    state_.LastRowUpper = asFlag<Flag32>(upper);

    readAheadLine();

    canvas_.setColour(kSung);
    canvas_.moveTo(x, rowTop + kLayerOffset);
    state_.LineReady = True;
    state_.NeedNewLine = False;
    return true;
}

bool LyricAdvance::placeLine(double& x) {
    if (state_.AutoLyricResize == False) {
        x = std::max(0.0, centredX());
        return true;
    }
    for (int i = 4; i >= 0; --i) {
        if (!canvas_.setFontSize(state_.FontSizes[static_cast<size_t>(i)])) {
            fontFailure();
            return false;
        }
        x = centredX();
        if (x >= 0)
            break;
    }
    return true;
}

double LyricAdvance::centredX() const {
    const auto width =
        static_cast<int32_t>(std::rint(canvas_.textWidth(visibleLyricText(state_.NextLine))));
    return (state_.DisplayWidth - width) / 2 - kCentringCorrection;
}

void LyricAdvance::printLine(double x, double y) {
    canvas_.moveTo(x, y);
    for (const QString& character : lyricCharacters(state_.NextLine))
        if (!isLyricMarker(character))
            canvas_.print(character);
}

// Read now, so a tick never reads more than one line.
void LyricAdvance::readAheadLine() {
    state_.NextLine.clear();
    if (state_.HasLyric == False || state_.OpenFiles.atEnd(state_.StrFileNo))
        return;
    auto line = state_.OpenFiles.readLine(state_.StrFileNo);
    if (!line)
        return;
    ConvertStr(*line, 0);
    state_.NextLine = trimSpaces(*line);
}

void LyricAdvance::lightSyllables(const std::function<bool()>& syllableDue) {
    while (!LyricDataAtEnd(state_) && syllableDue()) {
        for (const QString& character : lyricCharacters(state_.NextSyllable)) {
            if (!isLyricMarker(character)) {
                canvas_.print(character);
                continue;
            }
            if (state_.LineReady == False) {
                // The line this syllable starts has not been drawn yet: the next tick does.
                state_.NeedNewLine = True;
                return;
            }
            state_.LineReady = False;
        }
        readNextRecord();
        SplitRecord(state_);
    }
}

void LyricAdvance::readNextRecord() {
    state_.RawRecord.clear();
    if (state_.HasLyric == False)
        return;
    // A file that can no longer be read counts as ended, so the lighting loop always ends.
    const bool read = ReadNextRecord(state_);
    if (!read || state_.OpenFiles.atEnd(state_.DatFileNo)) {
        if (!read)
            state_.OpenFiles.close(state_.DatFileNo);
        state_.LyricDataEnded = True;
        host_.showStatus(QStringLiteral("End Of Lyrics"));
    } else {
        state_.LyricDataEnded = False;
    }
}

void LyricAdvance::fontFailure() {
    device_.stop();
    state_.IsPlaying = False;
    state_.IsStopped = True;
    state_.AutoMode = 0;
    host_.fatal(QStringLiteral("Do Dadoziz Orarav Izuvi are not installed on your system.\n"
                               "You need to Re-Start Windows before running Da Zazide next "
                               "time.\n(You can try to install all included fonts manually)"));
}

} // namespace player
