#include "platform/time/ClockSource.h"

namespace platform {

namespace {
const ClockSource *installedSource = nullptr;
} // namespace

const ClockSource &ClockSource::current()
{
    return installedSource ? *installedSource : system();
}

void ClockSource::install(const ClockSource *source)
{
    installedSource = source;
}

} // namespace platform
