#pragma once

#include <cstdint>

namespace clockwindow {

/// The window's alpha byte for a translucency percentage: percent × 255 (checked 32-bit),
/// divided by 100, rounded halves-to-even to a checked 16-bit value, low 8 bits.
/// 35 gives 89, 50 gives 128, 100 gives 255.
[[nodiscard]] std::uint8_t alphaForPercent(std::int32_t percent);

} // namespace clockwindow
