#include "platform/forms/FormTimer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QPointer>
#include <QTimer>

#include <map>

namespace platform {

/// One timer for every form timer of one period. It fires just after each multiple of the
/// period on the wall clock, so a one-second beat changes the readout right after the second
/// changes, and aligns itself anew each time, after a suspend or a change of the clock too.
class Beat : public QObject
{
public:
    explicit Beat(int intervalMs)
        : QObject(QCoreApplication::instance())
        , m_period(intervalMs)
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, &Beat::fire);
    }

    static Beat &of(int intervalMs)
    {
        static std::map<int, QPointer<Beat>> beats;
        QPointer<Beat> &beat = beats[intervalMs];
        if (!beat)
            beat = new Beat(intervalMs);
        return *beat;
    }

    void join(FormTimer *member)
    {
        m_members.removeAll(member);
        m_members.append(member);
        if (!m_timer.isActive())
            arm();
    }

    void leave(FormTimer *member)
    {
        m_members.removeAll(member);
        if (m_members.isEmpty())
            m_timer.stop();
    }

private:
    /// How long after the period's boundary the beat fires: late enough that the clock is past it.
    static constexpr int lead = 2;
    /// A wake-up this close before a boundary waits for it instead of showing the old second again.
    static constexpr int earlyTolerance = 20;

    [[nodiscard]] qint64 untilBoundary() const
    {
        return m_period - QDateTime::currentMSecsSinceEpoch() % m_period;
    }

    void arm() { m_timer.start(int(untilBoundary() + lead)); }

    void fire()
    {
        if (m_period > 2 * earlyTolerance && untilBoundary() <= earlyTolerance) {
            arm();
            return;
        }
        // A handler may stop, restart or destroy any timer of the beat, itself included.
        const QList<QPointer<FormTimer>> members(m_members.cbegin(), m_members.cend());
        for (const QPointer<FormTimer> &member : members) {
            if (member && m_members.contains(member.data()))
                Q_EMIT member->timer();
        }
        if (!m_members.isEmpty())
            arm();
    }

    const int m_period;
    QTimer m_timer;
    QList<FormTimer *> m_members;
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
        Beat::of(m_interval).leave(this);
    m_interval = intervalMs;
    m_ticking = intervalMs > 0;
    if (m_ticking)
        Beat::of(m_interval).join(this);
}

} // namespace platform
