#include "platform/forms/LayoutFonts.h"

namespace platform::fonts {

namespace {

QFont font(const QStringList &families, qreal points, int style)
{
    QFont result;
    result.setFamilies(families);
    result.setPointSizeF(points);
    result.setBold(style & Bold);
    result.setItalic(style & Italic);
    return result;
}

} // namespace

QFont proportionalGothic(qreal points, int style)
{
    return font(proportionalGothicFamilies(), points, style);
}

QFont fixedGothic(qreal points, int style)
{
    return font(fixedGothicFamilies(), points, style);
}

} // namespace platform::fonts
