#include "platform/forms/LayoutFonts.h"

using namespace Qt::StringLiterals;

namespace platform::fonts {

// Windows 10 and 11 have both fonts of the layouts; should one be missing, Yu Gothic UI, which
// every Windows since 8.1 has, still draws the Japanese texts.
QStringList proportionalGothicFamilies()
{
    return {u"ＭＳ Ｐゴシック"_s, u"MS PGothic"_s, u"Yu Gothic UI"_s};
}

QStringList fixedGothicFamilies()
{
    return {u"ＭＳ ゴシック"_s, u"MS Gothic"_s, u"Yu Gothic UI"_s};
}

} // namespace platform::fonts
