// What needs no window: checked arithmetic, placement, alpha, screens, hand geometry, time texts, timers.
#include "TestSupport.h"

#include "clock/Placement.h"
#include "clock/Translucency.h"
#include "platform/forms/CheckedArithmetic.h"
#include "platform/forms/FormTimer.h"
#include "platform/forms/RuntimeError.h"
#include "platform/time/TimeTexts.h"
#include "platform/window/ScreenFit.h"

#include <cmath>

using namespace Qt::StringLiterals;
using namespace clockwindow;
using namespace platform;
using platform::RuntimeError;

class TestCore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void arithmeticShouldOverflowPastItsRangeAndRoundHalvesToEven()
    {
        QCOMPARE(checked::subtract16(-32767, 1), -32768);
        QCOMPARE(checked::multiply32(8421504, 255), 2147483520);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, (void)checked::multiply16(5462, 6));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, (void)checked::multiply32(8421505, 255));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, (void)checked::roundToInt16(32767.5));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, (void)checked::roundToInt32(std::nan("")));
        for (const auto &[value, rounded] : {std::pair{127.5, 128}, {76.5, 76}, {-2.5, -2}, {2.5000001, 3}})
            QCOMPARE(checked::roundToInt32(value), rounded);
        QCOMPARE(checked::textToInt32(u" 35.5 "_s), 36);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, (void)checked::textToInt32(u"三十五"_s));
    }

    void placementShouldKeepItsMarginsAndWindowsComeBackOntoTheNearestScreenAndAlphaRoundHalvesToEven()
    {
        // Off the screens: back by the least move onto the one holding most of it, else the nearest.
        const QList<QRect> shrunk{QRect(0, 0, 700, 500)}, two{QRect(0, 0, 1024, 768), QRect(1024, 0, 1280, 1024)};
        for (const auto &[frame, screens, expected] :
             {std::tuple{QRect(834, 545, 178, 167), shrunk, QPoint(522, 333)}, {QRect(10, 10, 100, 100), shrunk, QPoint(10, 10)},
              {QRect(-50, -50, 800, 600), shrunk, QPoint(0, 0)}, // larger than the screen: its top-left corner on it
              {QRect(1000, 100, 178, 167), two, QPoint(1024, 100)}, {QRect(3000, 900, 178, 167), two, QPoint(2126, 857)}})
            QCOMPARE(windowSystem::placeOnScreens(frame, screens), expected);
        // At 120 dpi the 100-pixel part of the margins stays 100 pixels, the twip parts grow.
        for (const auto &[screen, twipsPerPixel, origin, expected] :
             {std::tuple{QSize(1024, 768), 15.0, QPoint(), QPoint(834, 545)}, {QSize(1280, 1024), 12.0, QPoint(), QPoint(1068, 770)},
              {QSize(160, 120), 15.0, QPoint(), QPoint(-30, -103)}, {QSize(1024, 768), 15.0, QPoint(1920, 0), QPoint(2754, 545)}}) {
            const ScreenMetrics metrics{screen.width() * twipsPerPixel, screen.height() * twipsPerPixel, twipsPerPixel, twipsPerPixel, origin};
            QCOMPARE(metrics.desktopPixels(startPlacementTwips(metrics)), expected);
        }
        for (const auto &[percent, alpha] : {std::pair{35, 89}, {50, 128}, {30, 76}, {70, 178}, {90, 230}, {10, 26}, {100, 255}, {0, 0}})
            QCOMPARE(int(alphaForPercent(percent)), alpha);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, (void)alphaForPercent(12900)); // past 16 bits
    }

    void handsShouldPointAtTheTime()
    {
        for (const auto &[time, second, minute, hour] :
             {std::tuple{QTime(0, 0, 0), 0.0, 0.0, 0.0}, {QTime(15, 0, 0), 0.0, 0.0, 90.0}, {QTime(9, 30, 30), 180.0, 183.0, 285.0},
              {QTime(10, 59, 59), 354.0, 359.9, 329.5}}) {
            const auto end = [&time](Hand hand) { return handFreeEnd(hand, time, 88, 80); };
            QVERIFY2(handPointsAt(end(Hand::Second), second, 60) && handPointsAt(end(Hand::Minute), minute, 60)
                         && handPointsAt(end(Hand::Hour), hour, 45),
                     qPrintable(time.toString()));
        }
    }

    void textsShouldUseTheLocalesMarks()
    {
        const QLocale japanese(QLocale::Japanese, QLocale::Japan);
        const QDate day(2006, 1, 9);
        // Midnight and noon are 12 (the afternoon otherwise as every locale's test has it).
        for (const auto &[time, text24, text12] : {std::tuple{QTime(0, 30, 0), "00:30:00", "12:30:00 午前"},
                                                   {QTime(12, 30, 0), "12:30:00", "12:30:00 午後"}}) {
            QCOMPARE(timeTexts::time24(QDateTime(day, time), japanese), QString::fromUtf8(text24));
            QCOMPARE(timeTexts::time12(QDateTime(day, time), japanese), QString::fromUtf8(text12));
        }
        QCOMPARE(timeTexts::date(QDateTime(day, {}), japanese), u"2006/01/09"_s);
        QCOMPARE(timeTexts::shortDate(QDateTime(day, {}), japanese), u"06/01/09"_s);
        QCOMPARE(timeTexts::defaultTime(QDateTime(day, QTime(19, 5, 9)), japanese), u"19時05分09秒"_s);
        const QLocale finnish(QLocale::Finnish, QLocale::Finland); // "H.mm", "d.M.yyyy"
        QCOMPARE(timeTexts::time24(QDateTime(day, QTime(19, 5, 9)), finnish), u"19.05.09"_s);
        QCOMPARE(timeTexts::date(QDateTime(day, {}), finnish), u"2006.01.09"_s);
    }

    void everyLocaleShouldGiveWellFormedTexts()
    {
        // Three fields of two digits (the year four) apart by one separator: the locale's own, or ':' and '/'.
        const QDateTime moment(QDate(2026, 12, 6), QTime(15, 42, 7));
        const QList<QLocale> locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        QVERIFY(locales.size() > 100);
        for (const QLocale &locale : locales) {
            const QString time = timeTexts::time24(moment, locale), date = timeTexts::date(moment, locale);
            const QString mark = time.mid(2, (time.size() - 6) / 2), dateMark = date.mid(4, (date.size() - 8) / 2);
            const QString what = locale.name() + u": "_s + time + u' ' + date;
            QVERIFY2(!mark.trimmed().isEmpty() && (mark == u":"_s || locale.toString(QTime(13, 24), QLocale::ShortFormat).contains(mark.trimmed())), qPrintable(what));
            QVERIFY2(!dateMark.trimmed().isEmpty() && (dateMark == u"/"_s || locale.toString(moment.date(), QLocale::ShortFormat).contains(dateMark.trimmed())), qPrintable(what));
            QCOMPARE(time, u"15"_s + mark + u"42"_s + mark + u"07"_s);
            QCOMPARE(timeTexts::time12(moment, locale), u"03"_s + mark + u"42"_s + mark + u"07 "_s + (locale.pmText().isEmpty() ? u"PM"_s : locale.pmText()));
            QCOMPARE(date, u"2026"_s + dateMark + u"12"_s + dateMark + u"06"_s);
        }
    }

    void theSystemClockShouldReadTheWallClock()
    {
        // Read field by field from the system: a month or an hour off shows only on a real date.
        // (Against UTC: under Wine the C runtime, which Qt asks for local time, knows no zone.)
        const QDateTime read = ClockSource::system().now();
        QVERIFY2(qAbs(QDateTime::currentDateTimeUtc().secsTo(read)) <= 1, qPrintable(read.toString(Qt::ISODate)));
    }

    void formTimersShouldShareOneBeat()
    {
        QObject owner;
        QStringList fired;
        auto *first = new FormTimer(200, &owner);
        auto *second = new FormTimer(200, &owner);
        auto *never = new FormTimer(0, &owner);
        for (const auto &[timer, name] : {std::pair{first, u"first"_s}, {second, u"second"_s}, {never, u"never"_s}})
            connect(timer, &FormTimer::timer, &owner, [&fired, name] { fired << name; });
        QTRY_VERIFY(fired.size() >= 4);
        QCOMPARE(fired.mid(0, 4), (QStringList{u"first"_s, u"second"_s, u"first"_s, u"second"_s}));

        // Setting the interval it has keeps its place; a new interval starts it afresh, last.
        first->setInterval(200);
        fired.clear();
        QTRY_VERIFY(fired.size() >= 2);
        QCOMPARE(fired.mid(0, 2), (QStringList{u"first"_s, u"second"_s}));
        first->setInterval(100);
        first->setInterval(200);
        fired.clear();
        QTRY_VERIFY(fired.size() >= 2);
        QCOMPARE(fired.mid(0, 2), (QStringList{u"second"_s, u"first"_s}));

        // A handler may destroy a timer that would fire later in the same beat.
        connect(second, &FormTimer::timer, &owner, [&first] { delete std::exchange(first, nullptr); });
        fired.clear();
        QTRY_VERIFY(fired.count(u"second"_s) >= 2);
        QVERIFY(!fired.contains(u"first"_s) && !fired.contains(u"never"_s));
    }
};

POMURI_TEST_MAIN(TestCore)
#include "tst_core.moc"
