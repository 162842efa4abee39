#pragma once

#include "platform/forms/ScreenMetrics.h"

#include <QPointF>

namespace clockwindow {

/// Where the clock window's top-left corner goes at start-up, in twips from the screen's origin:
/// 100 pixels plus 1350 twips in from the right edge, 100 pixels plus 1850 twips up from the bottom.
[[nodiscard]] QPointF startPlacementTwips(const platform::ScreenMetrics &screen);

} // namespace clockwindow
