#pragma once

#include <QPoint>
#include <QPointF>

#include <optional>

namespace platform {

/// The primary screen as the forms measure it: its size in twips, twips per pixel,
/// and where it starts in the desktop's pixel coordinates.
struct ScreenMetrics
{
    double widthTwips = 0;
    double heightTwips = 0;
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
    QPoint originPixels;

    /// A position in twips from the screen's origin, in the desktop's pixels.
    [[nodiscard]] QPoint desktopPixels(QPointF twips) const;

    /// The primary screen now, or the metrics a test installed.
    [[nodiscard]] static ScreenMetrics current();
    /// Tests pin the screen with this; std::nullopt returns to the real one.
    static void override(std::optional<ScreenMetrics> metrics);
};

} // namespace platform
