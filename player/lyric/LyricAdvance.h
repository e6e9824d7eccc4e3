#pragma once
// Draws each lyric line shortly before it is sung, on the upper row when it opens a page
// ("\") and on the lower row otherwise ("/"), lights its syllables as their times pass,
// and picks the moments at which a waiting background picture may replace the current
// one. Reads "Input.str" and "Input.dat" forward only; RewindLyric prepares the state.
#include "LyricAdvanceHost.h"
#include "LyricCanvas.h"
#include "device/SequencerDevice.h"
#include "state/PlayerState.h"

namespace player {

class LyricAdvance {
public:
    LyricAdvance(PlayerState& state, LyricCanvas& canvas, LyricAdvanceHost& host,
                 SequencerDevice& device);

    // position: the playing position in sixteenth notes, as the device reads it.
    void AdvanceLyric(int32_t position);

    static const QColor kShadow;
    static const QColor kUnsung;
    static const QColor kSung;

private:
    // False when the font failed; the program is then ending.
    bool drawNextLine(int32_t diff);
    // False when the font failed.
    bool placeLine(double& x);
    double centredX() const;
    void printLine(double x, double y);
    void readAheadLine();
    void lightSyllables(int32_t position);
    void readNextRecord();
    void fontFailure();

    PlayerState& state_;
    LyricCanvas& canvas_;
    LyricAdvanceHost& host_;
    SequencerDevice& device_;
};

} // namespace player
