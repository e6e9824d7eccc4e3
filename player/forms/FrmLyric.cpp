#include "FrmLyric.h"

#include "widgets/Twips.h"

namespace player {

FrmLyric::FrmLyric(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Da Zazide"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    const std::array<int, 3> tops{600, 1260, 1920};
    for (size_t i = 0; i < LblTit.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("LblTit%1").arg(i));
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("color: rgb(255, 192, 128); background: transparent;"));
        QFont font = label->font();
        font.setBold(true);
        font.setPointSize(18);
        label->setFont(font);
        placeInTwips(label, 60, tops[i], 9435, 555);
        label->hide();
        LblTit[i] = label;
    }
}

} // namespace player
