#pragma once

#include <cstdint>

class QWidget;

namespace platform {

/// Whole-window constant opacity, 0 invisible to 255 opaque, background included.
void setWindowAlpha(QWidget &window, std::uint8_t alpha);
[[nodiscard]] std::uint8_t windowAlpha(const QWidget &window);

} // namespace platform
