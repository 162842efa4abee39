#include "platform/FormTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace platform {

/// The one precise timer behind every form timer: it wakes at the earliest due time and fires
/// every timer that is due by then, give or take the slack.
class TimerHub : public QObject
{
public:
    static TimerHub &instance()
    {
        static QPointer<TimerHub> hub;
        if (!hub)
            hub = new TimerHub;
        return *hub;
    }

    void add(FormTimer *timer, int intervalMs)
    {
        m_entries.append({timer, m_clock.elapsed() + intervalMs, intervalMs, m_nextSequence++});
        rearm();
    }

    void remove(FormTimer *timer)
    {
        m_entries.removeIf([timer](const Entry &entry) { return entry.timer == timer; });
        rearm();
    }

private:
    struct Entry
    {
        FormTimer *timer;
        qint64 due;
        int interval;
        quint64 sequence;
    };

    /// A timer may fire this early, as Qt's coarse timers do (5 % of its interval), so that it
    /// rides on a wake-up that is happening anyway rather than waking the program again.
    static qint64 slack(const Entry &entry) { return entry.interval / 20; }

    TimerHub()
        : QObject(QCoreApplication::instance())
    {
        m_clock.start();
        m_wake.setSingleShot(true);
        m_wake.setTimerType(Qt::PreciseTimer);
        connect(&m_wake, &QTimer::timeout, this, &TimerHub::fire);
    }

    void rearm()
    {
        if (m_entries.isEmpty()) {
            m_wake.stop();
            return;
        }
        const auto earliest = std::min_element(m_entries.cbegin(), m_entries.cend(),
                                               [](const Entry &a, const Entry &b) { return a.due < b.due; });
        m_wake.start(int(std::max<qint64>(0, earliest->due - m_clock.elapsed())));
    }

    void fire()
    {
        const qint64 now = m_clock.elapsed();
        QList<Entry> due;
        for (Entry &entry : m_entries) {
            if (entry.due > now + slack(entry))
                continue;
            due.append(entry);
            // Keep the phase; a due time missed altogether (a suspended machine) is skipped, not caught up.
            do
                entry.due += entry.interval;
            while (entry.due <= now);
        }
        std::sort(due.begin(), due.end(), [](const Entry &a, const Entry &b) {
            return a.due != b.due ? a.due < b.due : a.sequence < b.sequence;
        });
        rearm();
        // A handler may stop, restart or destroy any timer, itself included.
        for (const Entry &entry : std::as_const(due)) {
            const bool stillThere = std::any_of(m_entries.cbegin(), m_entries.cend(),
                                                [&](const Entry &e) { return e.sequence == entry.sequence; });
            if (stillThere)
                Q_EMIT entry.timer->timer();
        }
    }

    QElapsedTimer m_clock;
    QTimer m_wake;
    QList<Entry> m_entries;
    quint64 m_nextSequence = 0;
};

FormTimer::FormTimer(int intervalMs, QObject *parent)
    : QObject(parent)
{
    setInterval(intervalMs);
}

FormTimer::~FormTimer()
{
    setInterval(0);
}

void FormTimer::setInterval(int intervalMs)
{
    if (m_ticking && intervalMs == m_interval)
        return;
    if (m_ticking)
        TimerHub::instance().remove(this);
    m_interval = intervalMs;
    m_ticking = intervalMs > 0;
    if (m_ticking)
        TimerHub::instance().add(this, intervalMs);
}

} // namespace platform
