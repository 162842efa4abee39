#pragma once

class QWidget;

namespace platform {

enum class StackingOrder {
    Normal,  ///< an ordinary window among the others
    InFront, ///< kept above ordinary windows
};

/// Re-places a top-level window in the stacking order without moving or resizing it, and
/// activates it.
void placeInStackingOrder(QWidget &window, StackingOrder order);
[[nodiscard]] bool isKeptInFront(const QWidget &window);

} // namespace platform
