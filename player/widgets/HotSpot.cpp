#include "HotSpot.h"

#include <QMouseEvent>

namespace player {

HotSpot::HotSpot(const QString& toolTip, QWidget* parent) : QLabel(parent) {
    setToolTip(toolTip);
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(QStringLiteral("background: transparent;"));
}

void HotSpot::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

} // namespace player
