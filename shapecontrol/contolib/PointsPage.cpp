#include "contolib/PointsPage.h"

#include "contolib/Contora.h"
#include "contolib/PointsCanvas.h"
#include "contolib/Twips.h"

#include <QEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <limits>

namespace contolib {

namespace {

qint16 roundToInt16(double value) {
    const double rounded = std::nearbyint(value);
    return static_cast<qint16>(std::clamp(rounded, double(std::numeric_limits<qint16>::min()),
                                          double(std::numeric_limits<qint16>::max())));
}

// Steps of 0 do not scroll: a canvas only a few pixels larger than the viewport still
// scrolls by one pixel.
void setScrollRange(QScrollBar* bar, qint16 maximum) {
    bar->setMaximum(std::max<int>(0, maximum));
    if (maximum < 1)
        return;
    bar->setPageStep(std::max(1, int(roundToInt16(maximum / 5.0))));
    bar->setSingleStep(std::max(1, int(roundToInt16(maximum / 25.0))));
}

} // namespace

PointsPage::PointsPage(QWidget* parent) : QWidget(parent) {
    const auto px = [this](int twips) { return twipsToPixels(twips, this); };
    setFixedSize(px(7350), px(5190));

    toolbar1_ = new QFrame(this);
    toolbar1_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar1_->setFrameShape(QFrame::StyledPanel);
    toolbar1_->setGeometry(0, 0, px(7350), px(630));

    command1_ = new QPushButton(QStringLiteral("Command1"), toolbar1_);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setToolTip(QStringLiteral("Clear the points"));
    command1_->setGeometry(px(2745), px(90), px(690), px(375));

    picture1_ = new QWidget(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setGeometry(px(135), px(765), px(6855), px(3975));
    picture1_->installEventFilter(this);

    picture2_ = new PointsCanvas(picture1_);
    picture2_->setObjectName(QStringLiteral("Picture2"));
    picture2_->setGeometry(0, 0, px(2940), px(1995));

    vScroll1_ = new QScrollBar(Qt::Vertical, this);
    vScroll1_->setObjectName(QStringLiteral("VScroll1"));
    vScroll1_->setGeometry(px(6975), px(765), px(285), px(4020));

    hScroll1_ = new QScrollBar(Qt::Horizontal, this);
    hScroll1_->setObjectName(QStringLiteral("HScroll1"));
    hScroll1_->setGeometry(px(135), px(4725), px(6855), px(285));

    connect(command1_, &QPushButton::clicked, this, [this] {
        if (Contora* control = selected())
            control->Clear();
    });
    connect(picture2_, &PointsCanvas::pressed, this, &PointsPage::pressAt);
    connect(picture2_, &PointsCanvas::resized, this, &PointsPage::updateScrollRanges);
    connect(hScroll1_, &QScrollBar::valueChanged, this,
            [this](int value) { picture2_->move(-value, picture2_->y()); });
    connect(vScroll1_, &QScrollBar::valueChanged, this,
            [this](int value) { picture2_->move(picture2_->x(), -value); });

    // Page initialise: the viewport sits right under the toolbar.
    picture1_->move(0, toolbar1_->height());
    picture2_->setPicture(picture_);
    updateScrollRanges();
}

void PointsPage::setSelection(const std::vector<Contora*>& selection) {
    selection_.assign(selection.begin(), selection.end());
    Contora* control = selected();
    picture_ = control ? control->Picture() : QImage();
    update();
}

Contora* PointsPage::selected() const {
    return selection_.empty() ? nullptr : selection_.front().data();
}

void PointsPage::DrawMarker(qint32 x, qint32 y) {
    picture2_->drawMarker(x, y);
}

void PointsPage::DrawAll() {
    picture2_->setPicture(picture_);
    Contora* control = selected();
    if (!control)
        return;
    const qint16 n = control->arrLength();
    for (qint32 i = 0; i <= n; ++i) {
        // x first: reading x rebuilds the control's points from its text.
        const auto x = control->GetPointX(static_cast<qint16>(i));
        const auto y = control->GetPointY(static_cast<qint16>(i));
        if (x.ok() && y.ok())
            DrawMarker(x.value(), y.value());
    }
}

void PointsPage::pressAt(Qt::MouseButtons buttons, QPointF position) {
    Contora* control = selected();
    if (!control)
        return;
    if (buttons == Qt::LeftButton) {
        DrawMarker(static_cast<qint32>(std::floor(position.x())),
                   static_cast<qint32>(std::floor(position.y())));
        control->AddPoint(static_cast<float>(position.x()), static_cast<float>(position.y()));
        return;
    }
    control->Clear();
    // The cleared list has no markers left to show.
    picture2_->setPicture(picture_);
}

void PointsPage::paintEvent(QPaintEvent*) {
    DrawAll();
}

void PointsPage::mousePressEvent(QMouseEvent* event) {
    pressAt(event->buttons(), event->position());
}

bool PointsPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picture1_ && event->type() == QEvent::Resize)
        picture2_->move(0, 0);
    return QWidget::eventFilter(watched, event);
}

void PointsPage::updateScrollRanges() {
    setScrollRange(vScroll1_, roundToInt16(picture2_->height() - picture1_->height()));
    vScroll1_->resize(vScroll1_->width(), picture1_->height());
    setScrollRange(hScroll1_, roundToInt16(picture2_->width() - picture1_->width()));
    hScroll1_->resize(picture1_->width(), hScroll1_->height());
}

} // namespace contolib
