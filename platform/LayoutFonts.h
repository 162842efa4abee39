#pragma once

#include <QFont>

/// The fonts the layouts name. The Windows fonts they were drawn with are replaced by the
/// metric-compatible IPA fonts, so the Japanese texts keep their intended widths.
namespace platform::fonts {

enum Style { Regular = 0, Bold = 1, Italic = 2 };

/// "ＭＳ Ｐゴシック", proportional.
[[nodiscard]] QFont proportionalGothic(qreal points, int style = Regular);
/// "ＭＳ ゴシック", fixed pitch.
[[nodiscard]] QFont fixedGothic(qreal points, int style = Regular);

} // namespace platform::fonts
