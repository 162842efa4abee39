#include "platform/FormTimer.h"

namespace platform {

FormTimer::FormTimer(int intervalMs, QObject *parent)
    : QObject(parent)
{
    // Precise, so that a one-second timer does not drift against the second it shows.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &FormTimer::timer);
    setInterval(intervalMs);
}

void FormTimer::setInterval(int intervalMs)
{
    m_interval = intervalMs;
    if (intervalMs > 0)
        m_timer.start(intervalMs);
    else
        m_timer.stop();
}

} // namespace platform
