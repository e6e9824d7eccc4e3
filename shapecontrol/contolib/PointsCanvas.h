#pragma once
// The canvas of the Points page: the tracing picture at full size with the markers drawn
// over it. It keeps what was drawn, so an exposure never loses markers.
#include <QImage>
#include <QWidget>

namespace contolib {

class PointsCanvas : public QWidget {
    Q_OBJECT

public:
    explicit PointsCanvas(QWidget* parent);

    // Erases the markers; a picture also sizes the canvas to itself.
    void setPicture(const QImage& picture);
    // Sets the pixel and rings it with a circle of radius 3, in the drawing colour.
    void drawMarker(int x, int y);

signals:
    void pressed(Qt::MouseButtons buttons, QPointF position);
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage image_;
};

} // namespace contolib
