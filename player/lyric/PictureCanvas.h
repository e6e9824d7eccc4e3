#pragma once
// The background picture of the lyric screen with the lyric drawn straight onto it. What
// is drawn stays on a layer of its own pixels, so an exposure of the window never loses
// it; repainting the picture, or giving a new one, draws the picture over everything.
#include "LyricCanvas.h"

#include <QFont>
#include <QImage>
#include <QWidget>

namespace player {

class PictureCanvas : public QWidget, public LyricCanvas {
    Q_OBJECT
public:
    explicit PictureCanvas(QWidget* parent = nullptr);

    // Shows the picture stretched over the whole surface, erasing the lyric.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    // False, with the picture unchanged, when the file is missing or no picture.
    bool loadPicture(const QString& file);

    void setFontFamily(const QString& family);
    QString fontFamily() const { return font_.family(); }

    // What the window shows now.
    const QImage& surface() const { return surface_; }

    bool setFontSize(int points) override;
    int fontSize() const override { return font_.pointSize(); }
    double textWidth(const QString& text) const override;
    void setColour(const QColor& colour) override { colour_ = colour; }
    void moveTo(double x, double y) override;
    double currentX() const override { return x_; }
    double currentY() const override { return y_; }
    void print(const QString& character) override;
    void repaintPicture() override;

signals:
    void Click();
    void DblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    double pixelsPerTwip() const;

    QImage picture_;
    QImage surface_;
    QFont font_;
    QColor colour_;
    double x_ = 0;
    double y_ = 0;
};

} // namespace player
