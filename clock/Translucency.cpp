#include "clock/Translucency.h"

#include "platform/forms/CheckedArithmetic.h"

namespace clockwindow {

std::uint8_t alphaForPercent(std::int32_t percent)
{
    using namespace platform::checked;
    const std::int16_t alpha = roundToInt16(multiply32(percent, 255) / 100.0);
    // The window system takes the low byte of whatever it is given.
    return std::uint8_t(alpha & 0xFF);
}

} // namespace clockwindow
