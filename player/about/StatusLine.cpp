#include "StatusLine.h"

#include "StatusColour.h"

#include <QEvent>

namespace player {
namespace {

void setTextColour(QLabel& label, const QColor& colour) {
    QPalette palette = label.palette();
    if (palette.color(QPalette::WindowText) == colour)
        return;
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
}

} // namespace

StatusLine::StatusLine(QLabel& LblVersion, const PlayerState& state)
    : QObject(&LblVersion), LblVersion_(LblVersion), state_(state), coloured_(LblVersion.text()) {
    setTextColour(LblVersion_, kFirstStatusColour);
    LblVersion_.installEventFilter(this);
    backToNotice_.setSingleShot(true);
    connect(&backToNotice_, &QTimer::timeout, this, [this] {
        if (!notice_.isEmpty())
            LblVersion_.setText(notice_);
    });
}

void StatusLine::follow() {
    if (LblVersion_.text() == coloured_)
        return;
    coloured_ = LblVersion_.text();
    setTextColour(LblVersion_, statusTextColour(coloured_));
    if (!notice_.isEmpty() && coloured_ != notice_)
        backToNotice_.start(kBackToNoticeMs);
}

void StatusLine::setLastingNotice(const QString& notice) {
    notice_ = notice;
    if (notice_.isEmpty()) {
        backToNotice_.stop();
        return;
    }
    LblVersion_.setText(notice_);
    follow();
}

void StatusLine::LblVersion_DblClick() {
    LblVersion_.setText(
        QStringLiteral("H=%1, W=%2").arg(state_.DisplayHeight).arg(state_.DisplayWidth));
    follow();
}

bool StatusLine::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &LblVersion_) {
        if (event->type() == QEvent::Paint)
            follow();
        else if (event->type() == QEvent::MouseButtonDblClick)
            LblVersion_DblClick();
    }
    return false;
}

} // namespace player
