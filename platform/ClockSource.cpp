#include "platform/ClockSource.h"

namespace platform {

namespace {

class SystemClock final : public ClockSource
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

const SystemClock systemClock;
const ClockSource *installedSource = nullptr;

} // namespace

const ClockSource &ClockSource::current()
{
    return installedSource ? *installedSource : systemClock;
}

void ClockSource::install(const ClockSource *source)
{
    installedSource = source;
}

} // namespace platform
