#include "platform/LayoutFonts.h"

using namespace Qt::StringLiterals;

namespace platform::fonts {

namespace {

QFont font(const QString &family, qreal points, int style)
{
    QFont result(family);
    result.setPointSizeF(points);
    result.setBold(style & Bold);
    result.setItalic(style & Italic);
    return result;
}

} // namespace

QFont proportionalGothic(qreal points, int style)
{
    return font(u"IPAPGothic"_s, points, style);
}

QFont fixedGothic(qreal points, int style)
{
    return font(u"IPAGothic"_s, points, style);
}

} // namespace platform::fonts
