#pragma once
// Draws each lyric line shortly before it is sung, on the upper row when it opens a page
// ("\") and on the lower row otherwise ("/"), lights its syllables as their times pass,
// and picks the moments at which a waiting background picture may replace the current
// one. Reads "Input.str" and "Input.dat" forward only; RewindLyric prepares the state.
#include "LyricAdvanceHost.h"
#include "LyricCanvas.h"
#include "device/SequencerDevice.h"
#include "state/PlayerState.h"

#include <functional>

namespace player {

class LyricAdvance {
public:
    LyricAdvance(PlayerState& state, LyricCanvas& canvas, LyricAdvanceHost& host,
                 SequencerDevice& device);

    // position: the playing position in sixteenth notes, as the device reads it; a
    // syllable is lit once the position reaches its sixteenth.
    void AdvanceLyric(int32_t position);
    // The same at a song time known to the tick: lines are still drawn by the sixteenth,
    // and a syllable is lit once the time reaches its own tick.
    void AdvanceLyric(SongTime at);

    static const QColor kShadow;
    static const QColor kUnsung;
    static const QColor kSung;

private:
    // syllableDue: whether the pending syllable's time has come.
    void advance(int32_t position, const std::function<bool()>& syllableDue);
    // False when the font failed; the program is then ending.
    bool drawNextLine(int32_t diff);
    // False when the font failed.
    bool placeLine(double& x);
    double centredX() const;
    void printLine(double x, double y);
    void readAheadLine();
    void lightSyllables(const std::function<bool()>& syllableDue);
    void readNextRecord();
    void fontFailure();

    PlayerState& state_;
    LyricCanvas& canvas_;
    LyricAdvanceHost& host_;
    SequencerDevice& device_;
};

} // namespace player
