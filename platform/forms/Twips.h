#pragma once

#include <QRect>

/// Layouts are measured in twips, 1440 to the inch. At 96 dots per inch 15 twips make a pixel;
/// Qt's high-DPI scaling takes the pixels on from there, so this is the one conversion.
namespace platform {

inline constexpr int twipsPerInch = 1440;
inline constexpr int twipsPerLayoutPixel = 15;

/// A layout length in twips as layout pixels; a length that is not a whole number of pixels
/// does not compile.
consteval int px(int twips)
{
    if (twips % twipsPerLayoutPixel != 0)
        throw "layout length is not a whole number of pixels";
    return twips / twipsPerLayoutPixel;
}

} // namespace platform


namespace platform {

/// A rectangle of a layout, in twips.
struct TwipsRect
{
    int left;
    int top;
    int width;
    int height;

    [[nodiscard]] consteval QRect pixels() const { return {px(left), px(top), px(width), px(height)}; }
};

} // namespace platform
