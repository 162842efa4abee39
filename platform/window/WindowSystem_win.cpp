#include "platform/window/WindowSystem.h"

namespace platform::windowSystem {

QString choose()
{
    // Windows has one window system, and a desktop whenever a user is logged on.
    return {};
}

void releaseDisplayProbe() {}

} // namespace platform::windowSystem
