#include "platform/forms/LayoutFonts.h"

using namespace Qt::StringLiterals;

namespace platform::fonts {

// The IPA fonts are metric-compatible with the Windows fonts the layouts were drawn with.
QStringList proportionalGothicFamilies()
{
    return {u"IPAPGothic"_s};
}

QStringList fixedGothicFamilies()
{
    return {u"IPAGothic"_s};
}

} // namespace platform::fonts
