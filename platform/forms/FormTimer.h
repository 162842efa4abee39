#pragma once

#include <QObject>

namespace platform {

/// A form's timer: enabled from creation, ticking every interval milliseconds; an interval of 0
/// means it never ticks. Setting a new interval starts the count afresh, from the next multiple
/// of the interval on the wall clock; setting the one it has changes nothing.
///
/// Timers of the same period share one beat: they fire on the same wake-up, in the order they
/// were started, just after each multiple of the period on the wall clock, so a second of the
/// clock costs one wake-up however many of its timers tick in it, and shows the new second at once.
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
    friend class Beat;
    int m_interval = 0;
    bool m_ticking = false;
};

} // namespace platform
