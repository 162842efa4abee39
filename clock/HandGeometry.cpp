#include "clock/HandGeometry.h"

#include "platform/forms/CheckedArithmetic.h"

#include <cmath>
#include <cstdint>

namespace clockwindow {

namespace {

using platform::checked::multiply16;
using platform::checked::subtract16;

float degreesFor(Hand hand, std::int16_t h, std::int16_t m, std::int16_t s)
{
    switch (hand) {
    case Hand::Second:
        return float(subtract16(multiply16(s, 6), 90));
    case Hand::Minute:
        return float(subtract16(multiply16(m, 6), 90)) + float(s / 10.0);
    case Hand::Hour:
        return float(subtract16(multiply16(h, 30), 90)) + float(m / 2.0);
    }
    return 0;
}

} // namespace

float handAngle(Hand hand, QTime time)
{
    const auto h = std::int16_t(time.hour() % 12);
    const auto m = std::int16_t(time.minute());
    const auto s = std::int16_t(time.second());
    return float(double(degreesFor(hand, h, m, s)) * radiansPerDegree);
}

int handLength(Hand hand)
{
    return hand == Hand::Hour ? 45 : 60;
}

HandEnd handFreeEnd(Hand hand, QTime time, float fixedX, float fixedY)
{
    const double angle = handAngle(hand, time);
    const int length = handLength(hand);
    return {float(fixedX + std::cos(angle) * length), float(fixedY + std::sin(angle) * length)};
}

} // namespace clockwindow
