#include "platform/window/ScreenFit.h"

#include <algorithm>

namespace platform::windowSystem {

namespace {

qint64 sharedArea(const QRect &a, const QRect &b)
{
    const QRect shared = a & b;
    return qint64(shared.width()) * shared.height();
}

qint64 squaredGap(const QRect &a, const QRect &b)
{
    const qint64 dx = std::max({0, b.left() - a.right(), a.left() - b.right()});
    const qint64 dy = std::max({0, b.top() - a.bottom(), a.top() - b.bottom()});
    return dx * dx + dy * dy;
}

int clampedStart(int start, int length, int screenStart, int screenLength)
{
    return std::clamp(start, screenStart, std::max(screenStart, screenStart + screenLength - length));
}

} // namespace

QPoint placeOnScreens(const QRect &frame, const QList<QRect> &screens)
{
    const auto holdsAll = [&frame](const QRect &screen) { return screen.contains(frame); };
    if (screens.isEmpty() || std::any_of(screens.begin(), screens.end(), holdsAll))
        return frame.topLeft();
    const QRect &nearest = *std::min_element(screens.begin(), screens.end(), [&frame](const QRect &a, const QRect &b) {
        const qint64 areaA = sharedArea(a, frame);
        const qint64 areaB = sharedArea(b, frame);
        return areaA != areaB ? areaA > areaB : squaredGap(a, frame) < squaredGap(b, frame);
    });
    return {clampedStart(frame.left(), frame.width(), nearest.left(), nearest.width()),
            clampedStart(frame.top(), frame.height(), nearest.top(), nearest.height())};
}

} // namespace platform::windowSystem
