#pragma once

#include <QObject>

namespace platform {

/// A form's timer: enabled from creation, ticking every interval milliseconds; an interval of 0
/// means it never ticks. Setting a new interval starts the count afresh; setting the one it has
/// changes nothing.
///
/// All form timers share one wake-up source: a timer that falls due within 5 % of its interval
/// after a wake-up fires on that wake-up, in the order the timers fall due, so a second of the
/// clock costs one wake-up however many of its timers tick in it. Each timer keeps its own phase:
/// it falls due every interval from when it was started, without drift.
class FormTimer : public QObject
{
    Q_OBJECT
public:
    FormTimer(int intervalMs, QObject *parent);
    ~FormTimer() override;

    void setInterval(int intervalMs);
    [[nodiscard]] int interval() const { return m_interval; }
    [[nodiscard]] bool isTicking() const { return m_ticking; }

Q_SIGNALS:
    void timer();

private:
    friend class TimerHub;
    int m_interval = 0;
    bool m_ticking = false;
};

} // namespace platform
