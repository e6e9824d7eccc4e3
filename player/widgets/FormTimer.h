#pragma once
// A window timer with the old semantics: it ticks only while it is enabled and its interval
// is not 0. Setting the interval, or enabling it, starts the count again from zero, so a
// time-out armed for each song always runs its full length.
#include <QObject>
#include <QTimer>

namespace player {

class FormTimer : public QObject {
    Q_OBJECT
public:
    explicit FormTimer(QObject* parent = nullptr);

    // Milliseconds; 0 stops the ticks.
    void setInterval(int milliseconds);
    int interval() const { return interval_; }
    void setEnabled(bool enabled);
    bool enabled() const { return enabled_; }
    bool isTicking() const { return timer_.isActive(); }

signals:
    void Timer();

private:
    void restart();

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = true;
};

} // namespace player
