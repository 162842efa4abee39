#include "platform/time/ClockSource.h"

#include <QCoreApplication>
#include <QFileSystemWatcher>

#include <ctime>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

/// The system's local time. It asks the C library, which reads the time zone once, instead of
/// QDateTime::currentDateTime(), which re-reads it (a stat of /etc/localtime) on every call; a
/// watch on the zone's files has the zone read anew when the system's time zone changes.
class SystemClock final : public ClockSource
{
public:
    QDateTime now() const override
    {
        watchTimeZone();
        timespec moment{};
        clock_gettime(CLOCK_REALTIME, &moment);
        tm local{};
        localtime_r(&moment.tv_sec, &local);
        // A leap second shows as the last second of its minute.
        return QDateTime(QDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday),
                         QTime(local.tm_hour, local.tm_min, qMin(local.tm_sec, 59), int(moment.tv_nsec / 1000000)),
                         Qt::OffsetFromUTC, int(local.tm_gmtoff));
    }

private:
    static void watchTimeZone()
    {
        static QFileSystemWatcher *watch = nullptr;
        if (watch || !QCoreApplication::instance())
            return;
        tzset();
        watch = new QFileSystemWatcher({u"/etc"_s, u"/etc/localtime"_s, u"/etc/timezone"_s}, QCoreApplication::instance());
        const auto reread = [] {
            tzset();
            // A file that was replaced is no longer watched.
            watch->addPaths({u"/etc/localtime"_s, u"/etc/timezone"_s});
        };
        QObject::connect(watch, &QFileSystemWatcher::directoryChanged, watch, reread);
        QObject::connect(watch, &QFileSystemWatcher::fileChanged, watch, reread);
    }
};

} // namespace

const ClockSource &ClockSource::system()
{
    static const SystemClock systemClock;
    return systemClock;
}

} // namespace platform
