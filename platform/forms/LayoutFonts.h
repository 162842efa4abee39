#pragma once

#include <QFont>
#include <QStringList>

/// The fonts the layouts name, "ＭＳ Ｐゴシック" and "ＭＳ ゴシック". Where the system lacks them
/// they are replaced by families that keep the Japanese texts at their intended widths.
namespace platform::fonts {

enum Style { Regular = 0, Bold = 1, Italic = 2 };

/// "ＭＳ Ｐゴシック", proportional.
[[nodiscard]] QFont proportionalGothic(qreal points, int style = Regular);
/// "ＭＳ ゴシック", fixed pitch.
[[nodiscard]] QFont fixedGothic(qreal points, int style = Regular);

/// The families that stand for each of the two on this system, the first one present taken.
[[nodiscard]] QStringList proportionalGothicFamilies();
[[nodiscard]] QStringList fixedGothicFamilies();

} // namespace platform::fonts
