#pragma once
// The lyric screen: a borderless black window with three title lines near the top; the
// lyric rows are drawn on its lower quarter.
#include <QLabel>
#include <QWidget>
#include <array>

namespace player {

class FrmLyric : public QWidget {
    Q_OBJECT
public:
    explicit FrmLyric(QWidget* parent = nullptr);

    // The title labels LblTit(0) to LblTit(2), top to bottom; hidden at start.
    std::array<QLabel*, 3> LblTit{};
};

} // namespace player
