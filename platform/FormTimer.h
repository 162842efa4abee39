#pragma once

#include <QObject>
#include <QTimer>

namespace platform {

/// A form's timer: enabled from creation, ticking every interval milliseconds; an interval of 0
/// means it never ticks. Setting the interval starts the count afresh.
class FormTimer : public QObject
{
    Q_OBJECT
public:
    FormTimer(int intervalMs, QObject *parent);

    void setInterval(int intervalMs);
    [[nodiscard]] int interval() const { return m_interval; }
    [[nodiscard]] bool isTicking() const { return m_timer.isActive(); }

Q_SIGNALS:
    void timer();

private:
    QTimer m_timer;
    int m_interval = 0;
};

} // namespace platform
