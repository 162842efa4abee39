#include "platform/time/TimeTexts.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

/// The literal text between the first field of a Qt date/time format and the next one,
/// e.g. ":" from "H:mm" or "/" from "yyyy/MM/dd"; quoted literals are unquoted.
QString separatorAfterFirstField(const QString &format, const QString &fieldLetters)
{
    qsizetype i = 0;
    while (i < format.size() && !fieldLetters.contains(format.at(i)))
        ++i;
    const QChar field = i < format.size() ? format.at(i) : QChar();
    while (i < format.size() && format.at(i) == field)
        ++i;

    QString separator;
    bool quoted = false;
    for (; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            if (i + 1 < format.size() && format.at(i + 1) == u'\'') {
                separator += c;
                ++i;
            } else {
                quoted = !quoted;
            }
            continue;
        }
        if (!quoted && c.isLetter())
            break;
        separator += c;
    }
    return separator;
}

/// value in ASCII digits, at least width of them with leading zeros.
void appendDigits(QString &text, int value, int width)
{
    char digits[12];
    int count = 0;
    do {
        digits[count++] = char('0' + value % 10);
        value /= 10;
    } while (value > 0 || count < width);
    while (count > 0)
        text += QLatin1Char(digits[--count]);
}

/// Three fields joined by a separator; it runs every second, so it builds the text directly.
QString joined(const QString &separator, int first, int second, int third, int firstWidth = 2)
{
    QString text;
    text.reserve(firstWidth + 4 + 2 * separator.size() + 3);
    appendDigits(text, first, firstWidth);
    text += separator;
    appendDigits(text, second, 2);
    text += separator;
    appendDigits(text, third, 2);
    return text;
}

} // namespace

LocaleMarks LocaleMarks::of(const QLocale &locale)
{
    // Every tick asks for the same locale's marks; read its formats once.
    static QLocale lastLocale = QLocale::c();
    static LocaleMarks lastMarks = ofUncached(QLocale::c());
    if (!(locale == lastLocale)) {
        lastMarks = ofUncached(locale);
        lastLocale = locale;
    }
    return lastMarks;
}

LocaleMarks LocaleMarks::ofUncached(const QLocale &locale)
{
    LocaleMarks marks{
        separatorAfterFirstField(locale.timeFormat(QLocale::ShortFormat), u"Hh"_s),
        separatorAfterFirstField(locale.dateFormat(QLocale::ShortFormat), u"yMd"_s),
        locale.amText(),
        locale.pmText(),
    };
    // A locale without a usable mark must still give a readable, well-formed text.
    if (marks.timeSeparator.trimmed().isEmpty())
        marks.timeSeparator = u":"_s;
    if (marks.dateSeparator.trimmed().isEmpty())
        marks.dateSeparator = u"/"_s;
    if (marks.morning.isEmpty())
        marks.morning = u"AM"_s;
    if (marks.afternoon.isEmpty())
        marks.afternoon = u"PM"_s;
    return marks;
}

namespace timeTexts {

QString time24(const QDateTime &moment, const QLocale &locale)
{
    const QTime time = moment.time();
    return joined(LocaleMarks::of(locale).timeSeparator, time.hour(), time.minute(), time.second());
}

QString time12(const QDateTime &moment, const QLocale &locale)
{
    const QTime time = moment.time();
    const LocaleMarks marks = LocaleMarks::of(locale);
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return joined(marks.timeSeparator, hour12, time.minute(), time.second()) + u' '
        + (time.hour() < 12 ? marks.morning : marks.afternoon);
}

QString date(const QDateTime &moment, const QLocale &locale)
{
    const QDate day = moment.date();
    return joined(LocaleMarks::of(locale).dateSeparator, day.year(), day.month(), day.day(), 4);
}

QString shortDate(const QDateTime &moment, const QLocale &locale)
{
    const QDate day = moment.date();
    return joined(LocaleMarks::of(locale).dateSeparator, day.year() % 100, day.month(), day.day());
}

QString defaultTime(const QDateTime &moment, const QLocale &locale)
{
    // The locale's long time format, without the time zone it appends ("19時05分09秒", not "… JST").
    static const QRegularExpression zoneField(u"\\s*(?<!')\\bt+\\b(?!')\\s*"_s);
    const QString format = locale.timeFormat(QLocale::LongFormat).remove(zoneField).trimmed();
    return locale.toString(moment.time(), format);
}

} // namespace timeTexts
} // namespace platform
