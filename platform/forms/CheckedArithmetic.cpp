#include "platform/forms/CheckedArithmetic.h"

#include "platform/forms/RuntimeError.h"

#include <QLocale>

#include <cfenv>
#include <cmath>
#include <limits>

namespace platform::checked {

namespace {

template <typename Int>
Int narrowed(std::int64_t wide)
{
    if (wide < std::numeric_limits<Int>::min() || wide > std::numeric_limits<Int>::max())
        throw RuntimeError::overflow();
    return static_cast<Int>(wide);
}

template <typename Int>
Int rounded(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    // nearbyint honours the rounding mode, which is round-half-to-even unless someone changed it.
    const int previousMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double whole = std::nearbyint(value);
    std::fesetround(previousMode);
    if (whole < double(std::numeric_limits<Int>::min()) || whole > double(std::numeric_limits<Int>::max()))
        throw RuntimeError::overflow();
    return static_cast<Int>(whole);
}

} // namespace

std::int16_t add16(std::int16_t a, std::int16_t b) { return narrowed<std::int16_t>(std::int64_t(a) + b); }
std::int16_t subtract16(std::int16_t a, std::int16_t b) { return narrowed<std::int16_t>(std::int64_t(a) - b); }
std::int16_t multiply16(std::int16_t a, std::int16_t b) { return narrowed<std::int16_t>(std::int64_t(a) * b); }

std::int32_t add32(std::int32_t a, std::int32_t b) { return narrowed<std::int32_t>(std::int64_t(a) + b); }
std::int32_t subtract32(std::int32_t a, std::int32_t b) { return narrowed<std::int32_t>(std::int64_t(a) - b); }
std::int32_t multiply32(std::int32_t a, std::int32_t b) { return narrowed<std::int32_t>(std::int64_t(a) * b); }

std::int16_t roundToInt16(double value) { return rounded<std::int16_t>(value); }
std::int32_t roundToInt32(double value) { return rounded<std::int32_t>(value); }

std::int32_t textToInt32(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok)
        throw RuntimeError::typeMismatch();
    return roundToInt32(value);
}

} // namespace platform::checked
