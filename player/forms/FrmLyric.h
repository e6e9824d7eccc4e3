#pragma once
// The lyric screen: a borderless black window that fills the screen, with the background
// picture Image1 stretched over it, three title lines near the top, and the lyric drawn
// straight onto the picture in its lower quarter.
#include "lyric/PictureCanvas.h"
#include "widgets/ImageBox.h"

#include <QLabel>
#include <QWidget>
#include <array>

namespace player {

class FrmLyric : public QWidget {
    Q_OBJECT
public:
    explicit FrmLyric(QWidget* parent = nullptr);

    PictureCanvas* Image1 = nullptr; // the background, with the lyric drawn on it
    ImageBox* Image2 = nullptr;      // hidden: the movie background
    ImageBox* Image3 = nullptr;      // hidden: a plain colour background
    // The title labels LblTit(0) to LblTit(2), top to bottom; hidden at start.
    std::array<QLabel*, 3> LblTit{};

    // Fills the screen the window is on.
    void showMaximised();

signals:
    // A click on the window, its picture or a title line; and a double click.
    void Click();
    void DblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace player
