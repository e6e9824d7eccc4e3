#pragma once
// What the lyric advance asks of the windows around it.
#include <QString>
#include <string>

namespace player {

class LyricAdvanceHost {
public:
    virtual ~LyricAdvanceHost() = default;

    // Hides the three title lines of the lyric screen.
    virtual void hideTitles() = 0;

    // Shows a waiting background picture, if CurLyr (the pending syllable) allows it.
    virtual void ChangePicture(const std::string& CurLyr) = 0;

    // The status line of the panel.
    virtual void showStatus(const QString& text) = 0;

    // A condition the player cannot live with: the text in a message box, then the program
    // ends. When it returns (tests) the caller returns at once.
    virtual void fatal(const QString& text) = 0;
};

} // namespace player
