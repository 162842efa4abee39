#include "platform/time/ClockSource.h"

#include <windows.h>

namespace platform {

namespace {

qint64 hundredNanoseconds(const FILETIME &time)
{
    return qint64(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

/// The system's local time, asked of Windows itself: the C runtime reads the time zone once and
/// keeps it, whereas Windows converts with the zone and daylight-saving state it has now, so a
/// change of either shows at the clock's next second.
class SystemClock final : public ClockSource
{
public:
    QDateTime now() const override
    {
        FILETIME utc{};
        GetSystemTimePreciseAsFileTime(&utc);
        FILETIME local{};
        FileTimeToLocalFileTime(&utc, &local);
        SYSTEMTIME parts{};
        FileTimeToSystemTime(&local, &parts);
        const qint64 offsetSeconds = (hundredNanoseconds(local) - hundredNanoseconds(utc)) / 10'000'000;
        return QDateTime(QDate(parts.wYear, parts.wMonth, parts.wDay),
                         QTime(parts.wHour, parts.wMinute, parts.wSecond, parts.wMilliseconds), Qt::OffsetFromUTC,
                         int(offsetSeconds));
    }
};

} // namespace

const ClockSource &ClockSource::system()
{
    static const SystemClock systemClock;
    return systemClock;
}

} // namespace platform
