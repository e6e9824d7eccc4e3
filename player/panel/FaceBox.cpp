#include "FaceBox.h"

#include <QPainter>

namespace player {

FaceBox::FaceBox(int face, QWidget* parent) : QWidget(parent), face_(face) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FaceBox::paint(const QPixmap& image, FaceImage look) {
    image_ = image;
    shown_ = look;
    canvas_ = QPixmap(size());
    canvas_.fill(Qt::white);
    if (!image.isNull()) {
        QPainter painter(&canvas_);
        painter.drawPixmap(canvas_.rect(), image);
    }
    update();
}

void FaceBox::resizeEvent(QResizeEvent*) {
    // The persistent image follows the face's size; what it shows stays the same.
    if (!canvas_.isNull() && canvas_.size() != size())
        paint(image_, shown_);
}

void FaceBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (canvas_.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawPixmap(0, 0, canvas_);
}

} // namespace player
