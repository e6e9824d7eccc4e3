#pragma once
// An image control: shows its picture stretched to its own size.
#include <QPixmap>
#include <QWidget>

namespace player {

class ImageBox : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace player
