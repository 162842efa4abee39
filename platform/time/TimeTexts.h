#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace platform {

/// The separators and designators a locale uses in its time and date texts.
struct LocaleMarks
{
    QString timeSeparator;
    QString dateSeparator;
    QString morning;
    QString afternoon;

    [[nodiscard]] static LocaleMarks of(const QLocale &locale);

private:
    [[nodiscard]] static LocaleMarks ofUncached(const QLocale &locale);
};

/// The clock's time and date texts. Digits are always two (four for the year) with leading zeros;
/// separators and designators come from the locale.
namespace timeTexts {

/// "hh:nn:ss": 00 to 23 hours.
[[nodiscard]] QString time24(const QDateTime &moment, const QLocale &locale = QLocale());
/// "hh:nn:ss AMPM": 01 to 12 hours (noon and midnight are 12), a space, the designator.
[[nodiscard]] QString time12(const QDateTime &moment, const QLocale &locale = QLocale());
/// "yyyy/mm/dd".
[[nodiscard]] QString date(const QDateTime &moment, const QLocale &locale = QLocale());
/// "yy/mm/dd".
[[nodiscard]] QString shortDate(const QDateTime &moment, const QLocale &locale = QLocale());
/// The locale's own default rendering of a time of day, as the system would show it.
[[nodiscard]] QString defaultTime(const QDateTime &moment, const QLocale &locale = QLocale());

} // namespace timeTexts
} // namespace platform
