#include "platform/forms/ScreenMetrics.h"

#include "platform/forms/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

namespace {
std::optional<ScreenMetrics> overridden;
}

ScreenMetrics ScreenMetrics::current()
{
    if (overridden)
        return *overridden;
    ScreenMetrics metrics;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return metrics;
    metrics.twipsPerPixelX = twipsPerInch / screen->logicalDotsPerInchX();
    metrics.twipsPerPixelY = twipsPerInch / screen->logicalDotsPerInchY();
    const QRect geometry = screen->geometry();
    metrics.widthTwips = geometry.width() * metrics.twipsPerPixelX;
    metrics.heightTwips = geometry.height() * metrics.twipsPerPixelY;
    metrics.originPixels = geometry.topLeft();
    return metrics;
}

QPoint ScreenMetrics::desktopPixels(QPointF twips) const
{
    return originPixels + QPoint(qRound(twips.x() / twipsPerPixelX), qRound(twips.y() / twipsPerPixelY));
}

void ScreenMetrics::override(std::optional<ScreenMetrics> metrics)
{
    overridden = metrics;
}

} // namespace platform
