#pragma once

#include <QDateTime>

namespace platform {

/// Where the clock reads the local date and time. Production reads the system clock;
/// tests install a source of their own so that they pin the time instead of waiting for it.
class ClockSource
{
public:
    virtual ~ClockSource() = default;
    [[nodiscard]] virtual QDateTime now() const = 0;

    /// The source in use: the installed one, or the system clock.
    [[nodiscard]] static const ClockSource &current();
    /// The system's own clock and time zone, whose changes it follows at once.
    [[nodiscard]] static const ClockSource &system();
    /// Installs a source (not owned); nullptr goes back to the system clock.
    static void install(const ClockSource *source);
};

} // namespace platform
