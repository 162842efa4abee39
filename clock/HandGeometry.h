#pragma once

#include <QTime>

namespace clockwindow {

enum class Hand { Second, Minute, Hour };

/// A hand's free end in window pixels, as the line stores it (single precision).
struct HandEnd
{
    float x = 0;
    float y = 0;
    friend bool operator==(const HandEnd &, const HandEnd &) = default;
};

/// π to the fifteen digits the clock has always used, not the full double.
inline constexpr double pi = 3.14159265358979;
inline constexpr double radiansPerDegree = pi / 180;

/// The hand's angle in radians, 0 at three o'clock growing clockwise, rounded to single precision.
/// Integer steps are checked 16-bit arithmetic; hours count modulo 12.
[[nodiscard]] float handAngle(Hand hand, QTime time);

/// The hand's length in pixels, whatever the screen resolution.
[[nodiscard]] int handLength(Hand hand);

/// The free end of a hand whose fixed end is (fixedX, fixedY).
[[nodiscard]] HandEnd handFreeEnd(Hand hand, QTime time, float fixedX, float fixedY);

} // namespace clockwindow
