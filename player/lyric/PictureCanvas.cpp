#include "PictureCanvas.h"

#include <QFontMetricsF>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

namespace player {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kMetresPerInch = 0.0254;

} // namespace

PictureCanvas::PictureCanvas(QWidget* parent) : QWidget(parent) {
    font_.setBold(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    repaintPicture();
}

void PictureCanvas::setPicture(const QImage& picture) {
    picture_ = picture;
    repaintPicture();
}

bool PictureCanvas::loadPicture(const QString& file) {
    QImageReader reader(file);
    QImage picture = reader.read();
    if (picture.isNull())
        return false;
    setPicture(picture);
    return true;
}

void PictureCanvas::setFontFamily(const QString& family) {
    font_.setFamily(family);
}

bool PictureCanvas::setFontSize(int points) {
    QFont sized = font_;
    sized.setPointSize(points);
    if (QFontMetricsF(sized, &surface_).height() <= 0)
        return false;
    font_ = sized;
    return true;
}

double PictureCanvas::textWidth(const QString& text) const {
    return QFontMetricsF(font_, &surface_).horizontalAdvance(text) / pixelsPerTwip();
}

void PictureCanvas::moveTo(double x, double y) {
    x_ = x;
    y_ = y;
}

void PictureCanvas::print(const QString& character) {
    {
        QPainter painter(&surface_);
        painter.setFont(font_);
        painter.setPen(colour_);
        const QFontMetricsF metrics(font_, &surface_);
        painter.drawText(QPointF(x_ * pixelsPerTwip(), y_ * pixelsPerTwip() + metrics.ascent()),
                         character);
    }
    x_ += textWidth(character);
    update();
}

void PictureCanvas::repaintPicture() {
    const QSize wanted = size().expandedTo(QSize(1, 1));
    if (surface_.size() != wanted) {
        surface_ = QImage(wanted, QImage::Format_RGB32);
        // Text is laid out at the window's resolution, so sizes in points and places in
        // twips agree with the window.
        surface_.setDotsPerMeterX(qRound(logicalDpiX() / kMetresPerInch));
        surface_.setDotsPerMeterY(qRound(logicalDpiY() / kMetresPerInch));
    }
    surface_.fill(Qt::black);
    if (!picture_.isNull()) {
        QPainter painter(&surface_);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(surface_.rect(), picture_);
    }
    update();
}

double PictureCanvas::pixelsPerTwip() const {
    return logicalDpiX() / kTwipsPerInch;
}

void PictureCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, surface_);
}

void PictureCanvas::resizeEvent(QResizeEvent*) {
    repaintPicture();
}

void PictureCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

void PictureCanvas::mouseDoubleClickEvent(QMouseEvent*) {
    emit DblClick();
}

} // namespace player
