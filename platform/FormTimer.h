#pragma once

#include <QObject>

namespace platform {

/// A form's timer: enabled from creation, ticking every interval milliseconds; an interval of 0
/// means it never ticks. Setting a new interval starts the count afresh; setting the one it has
/// changes nothing.
///
/// Timers of the same period share one beat: they fire on the same wake-up, in the order they
/// were started, so a second of the clock costs one wake-up however many of its timers tick in it.
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
