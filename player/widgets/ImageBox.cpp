#include "ImageBox.h"

#include <QPainter>

namespace player {

void ImageBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(rect(), picture_);
}

} // namespace player
