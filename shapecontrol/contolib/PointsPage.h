#pragma once
// The design-time page of Contora, shown under the tab caption "Points": the control's
// picture at full size in a scrolling viewport, where each left click appends the clicked
// pixel to the outline of the first selected control and any other click clears it.
// Every edit goes straight to the control; the page keeps no data of its own.
#include "contolib/contolib_export.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <vector>

class QFrame;
class QPushButton;
class QScrollBar;

namespace contolib {

class Contora;
class PointsCanvas;

class CONTOLIB_EXPORT PointsPage : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* TabCaption = "Points";

    explicit PointsPage(QWidget* parent = nullptr);

    // The designer's selection; the page works on its first control only.
    void setSelection(const std::vector<Contora*>& selection);

    void DrawMarker(qint32 x, qint32 y);
    // Puts the picture back on the canvas and marks every point, the closing slot too.
    void DrawAll();

    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Contora* selected() const;
    void pressAt(Qt::MouseButtons buttons, QPointF position);
    void updateScrollRanges();

    QFrame* toolbar1_;
    QPushButton* command1_;
    QWidget* picture1_;
    PointsCanvas* picture2_;
    QScrollBar* vScroll1_;
    QScrollBar* hScroll1_;

    std::vector<QPointer<Contora>> selection_;
    QImage picture_;
};

} // namespace contolib
