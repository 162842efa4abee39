#pragma once

#include <QString>

#include <cstdint>

/// Integer arithmetic that reports overflow as a run-time error, and the
/// round-half-to-even conversions from floating point.
namespace platform::checked {

[[nodiscard]] std::int16_t add16(std::int16_t a, std::int16_t b);
[[nodiscard]] std::int16_t subtract16(std::int16_t a, std::int16_t b);
[[nodiscard]] std::int16_t multiply16(std::int16_t a, std::int16_t b);

[[nodiscard]] std::int32_t add32(std::int32_t a, std::int32_t b);
[[nodiscard]] std::int32_t subtract32(std::int32_t a, std::int32_t b);
[[nodiscard]] std::int32_t multiply32(std::int32_t a, std::int32_t b);

/// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
/// Out of range or not a number is an overflow.
[[nodiscard]] std::int16_t roundToInt16(double value);
[[nodiscard]] std::int32_t roundToInt32(double value);

/// A text that denotes a number, as a 32-bit integer (" 35 " -> 35, "35.5" -> 36).
/// A text that is no number is a type mismatch.
[[nodiscard]] std::int32_t textToInt32(const QString &text);

} // namespace platform::checked
