#include "FormTimer.h"

#include <algorithm>

namespace player {

FormTimer::FormTimer(QObject* parent) : QObject(parent) {
    connect(&timer_, &QTimer::timeout, this, &FormTimer::Timer);
}

void FormTimer::setInterval(int milliseconds) {
    interval_ = std::max(0, milliseconds);
    restart();
}

void FormTimer::setEnabled(bool enabled) {
    enabled_ = enabled;
    restart();
}

void FormTimer::restart() {
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}

} // namespace player
