#include "FrmLyric.h"

#include "pictures/BuiltInPictures.h"
#include "widgets/Twips.h"

#include <QMouseEvent>
#include <QScreen>

namespace player {
namespace {

const QString kLyricFont = QStringLiteral(".VnArial Narrow");
constexpr int kLyricPoints = 26;
constexpr int kTitlePoints = 18;

} // namespace

FrmLyric::FrmLyric(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Da Zazide"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    Image1 = new PictureCanvas(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFontFamily(kLyricFont);
    Image1->setFontSize(kLyricPoints);
    Image1->setPicture(startPicture());
    connect(Image1, &PictureCanvas::Click, this, &FrmLyric::Click);
    connect(Image1, &PictureCanvas::DblClick, this, &FrmLyric::DblClick);

    Image2 = new ImageBox(this);
    Image2->setPicture(QPixmap::fromImage(movieBackground()));
    Image2->hide();
    Image3 = new ImageBox(this);
    Image3->setPicture(QPixmap::fromImage(plainBackground()));
    Image3->hide();

    const std::array<int, 3> tops{600, 1260, 1920};
    for (size_t i = 0; i < LblTit.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("LblTit%1").arg(i));
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("color: rgb(255, 192, 128); background: transparent;"));
        QFont font(kLyricFont);
        font.setBold(true);
        font.setPointSize(kTitlePoints);
        label->setFont(font);
        placeInTwips(label, 60, tops[i], 9435, 555);
        label->installEventFilter(this);
        label->hide();
        LblTit[i] = label;
    }
}

void FrmLyric::showMaximised() {
    // Under a window manager both agree; without one the geometry alone fills the screen.
    if (QScreen* screen = this->screen())
        setGeometry(screen->geometry());
    showFullScreen();
}

bool FrmLyric::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease)
        emit Click();
    else if (event->type() == QEvent::MouseButtonDblClick)
        emit DblClick();
    return QWidget::eventFilter(watched, event);
}

void FrmLyric::mouseReleaseEvent(QMouseEvent*) {
    emit Click();
}

void FrmLyric::mouseDoubleClickEvent(QMouseEvent*) {
    emit DblClick();
}

} // namespace player
