#pragma once
// The surface the lyric is drawn on, in the terms the lyric advance needs: a text position
// that each printed character moves on, a colour, a font size, and the background picture
// that erases everything drawn when it is repainted. Places and widths are twips.
#include <QColor>
#include <QString>

namespace player {

class LyricCanvas {
public:
    virtual ~LyricCanvas() = default;

    // Points. False when the lyric font cannot be measured at that size; the size is then
    // left as it was.
    virtual bool setFontSize(int points) = 0;
    virtual int fontSize() const = 0;

    // Width of the text in the current font.
    virtual double textWidth(const QString& text) const = 0;

    virtual void setColour(const QColor& colour) = 0;

    // The text position: the top left of the next character printed.
    virtual void moveTo(double x, double y) = 0;
    virtual double currentX() const = 0;
    virtual double currentY() const = 0;

    // Draws one character at the text position and moves the position right by its width.
    virtual void print(const QString& character) = 0;

    // Draws the background picture over the whole surface, erasing all text.
    virtual void repaintPicture() = 0;
};

} // namespace player
