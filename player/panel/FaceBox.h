#pragma once
// A visible face: a borderless picture box with a white background that shows the image it
// was painted with last, stretched to its size, through every repaint.
#include "FacePainter.h"

#include <QPixmap>
#include <QWidget>

namespace player {

class FaceBox : public QWidget {
    Q_OBJECT
public:
    FaceBox(int face, QWidget* parent);

    int face() const { return face_; }
    void paint(const QPixmap& image, FaceImage look);
    // The look painted last; Normal before the first paint.
    FaceImage shownImage() const { return shown_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int face_;
    QPixmap canvas_;
    QPixmap image_;
    FaceImage shown_ = FaceImage::Normal;
};

} // namespace player
