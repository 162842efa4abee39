#include "clock/Placement.h"

#include "platform/forms/CheckedArithmetic.h"

namespace clockwindow {

namespace {
constexpr std::int32_t marginPixels = 50; // taken twice
constexpr float rightMarginTwips = 1350;
constexpr float bottomMarginTwips = 1850;
} // namespace

QPointF startPlacementTwips(const platform::ScreenMetrics &screen)
{
    using namespace platform::checked;
    // The horizontal ratio serves for both margins.
    const std::int32_t twipsPerPixel = roundToInt32(screen.twipsPerPixelX);
    const auto margin = float(multiply32(twipsPerPixel, marginPixels));
    const auto top = float(screen.heightTwips - double(margin + margin) - bottomMarginTwips);
    const auto left = float(screen.widthTwips - double(margin + margin) - rightMarginTwips);
    return {left, top};
}

} // namespace clockwindow
