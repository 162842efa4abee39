#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

namespace platform::windowSystem {

/// Where a window whose frame is frame goes so that it lies wholly on one of screens (desktop
/// pixels): where it is, when one screen holds all of it; else moved by the least distance onto
/// the screen that holds the largest part of it or, when none holds any, the one nearest to it, as
/// Windows chooses for a window whose monitor went away. A window larger than that screen keeps
/// its top-left corner on it.
[[nodiscard]] QPoint placeOnScreens(const QRect &frame, const QList<QRect> &screens);

} // namespace platform::windowSystem
