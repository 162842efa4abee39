#include "platform/FormTimer.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <map>

namespace platform {

/// One precise timer for every form timer of one period.
class Beat : public QObject
{
public:
    explicit Beat(int intervalMs)
        : QObject(QCoreApplication::instance())
    {
        // Precise, so that a one-second beat does not drift against the second it shows.
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(intervalMs);
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
            m_timer.start();
    }

    void leave(FormTimer *member)
    {
        m_members.removeAll(member);
        if (m_members.isEmpty())
            m_timer.stop();
    }

private:
    void fire()
    {
        // A handler may stop, restart or destroy any timer of the beat, itself included.
        const QList<QPointer<FormTimer>> members(m_members.cbegin(), m_members.cend());
        for (const QPointer<FormTimer> &member : members) {
            if (member && m_members.contains(member.data()))
                Q_EMIT member->timer();
        }
    }

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
