#include "contolib/PointsCanvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace contolib {

namespace {
const QColor DrawingColour = Qt::black;
}

PointsCanvas::PointsCanvas(QWidget* parent) : QWidget(parent) {
    // The canvas paints every pixel itself; nothing beneath needs repainting with it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PointsCanvas::setPicture(const QImage& picture) {
    if (picture.isNull()) {
        image_ = QImage(size(), QImage::Format_RGB32);
        image_.fill(palette().color(QPalette::Window));
    } else {
        image_ = picture.convertToFormat(QImage::Format_RGB32);
        resize(picture.size());
    }
    update();
}

void PointsCanvas::drawMarker(int x, int y) {
    if (image_.isNull())
        return;
    QPainter painter(&image_);
    painter.setPen(DrawingColour);
    painter.drawPoint(x, y);
    painter.drawEllipse(QPoint(x, y), 3, 3);
    update();
}

void PointsCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.drawImage(0, 0, image_);
}

void PointsCanvas::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->buttons(), event->position());
}

void PointsCanvas::resizeEvent(QResizeEvent*) {
    emit resized();
}

} // namespace contolib
