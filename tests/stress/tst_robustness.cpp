#include "TestSupport.h"

#include "clock/Form1.h"
#include "clock/ReadoutLabel.h"
#include "platform/ScreenMetrics.h"
#include "platform/TimeTexts.h"

#include <QRegularExpression>
#include <QTimeZone>

#include <memory>

using namespace Qt::StringLiterals;
using platform::defaultInstance;

namespace {


bool handsShow(const Form1 &form, QTime time)
{
    return handPointsAt(form.Line3, time.second() * 6.0, 60)
        && handPointsAt(form.Line2, time.minute() * 6.0 + time.second() / 10.0, 60)
        && handPointsAt(form.Line1, (time.hour() % 12) * 30.0 + time.minute() / 2.0, 45);
}

void tick(Form1 &form)
{
    form.Timer2_Timer();
    form.Timer4_Timer();
    form.Timer1_Timer();
}

} // namespace

class TestRobustness : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { pinScreen1024x768(); }
    void cleanup()
    {
        resetForms();
        QLocale::setDefault(QLocale::c());
    }

    void clockJumpsShouldBeFollowedAtTheNextTick_data()
    {
        QTest::addColumn<QDateTime>("before");
        QTest::addColumn<QDateTime>("after");
        const QTimeZone berlin("Europe/Berlin");
        QVERIFY(berlin.isValid());
        const QDateTime morning(QDate(2026, 12, 6), QTime(10, 0, 5));
        QTest::newRow("back an hour") << morning << morning.addSecs(-3600);
        QTest::newRow("forward a day") << morning << morning.addDays(1).addSecs(1);
        QTest::newRow("summer time begins") << QDateTime(QDate(2026, 3, 29), QTime(1, 59, 59), berlin)
                                            << QDateTime(QDate(2026, 3, 29), QTime(1, 59, 59), berlin).addSecs(1);
        QTest::newRow("summer time ends") << QDateTime(QDate(2026, 10, 25), QTime(2, 59, 59), berlin)
                                          << QDateTime(QDate(2026, 10, 25), QTime(2, 59, 59), berlin).addSecs(1);
        QTest::newRow("midnight") << QDateTime(QDate(2026, 12, 6), QTime(23, 59, 59))
                                  << QDateTime(QDate(2026, 12, 7), QTime(0, 0, 0));
        QTest::newRow("new year") << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59))
                                  << QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0));
    }
    void clockJumpsShouldBeFollowedAtTheNextTick()
    {
        QFETCH(QDateTime, before);
        QFETCH(QDateTime, after);
        QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
        FixedClock clock(before);
        Form1 &form = defaultInstance<Form1>();
        tick(form);
        QVERIFY(handsShow(form, before.time()));

        clock.set(after);
        tick(form);
        QCOMPARE(form.Label1->text(), after.time().toString(u"HH:mm:ss"_s));
        QCOMPARE(form.Label2->text(), platform::timeTexts::time12(after));
        QVERIFY(handsShow(form, after.time()));
        form.Label1_MouseUp();
        QCOMPARE(form.Label1->text(), after.date().toString(u"yyyy/MM/dd"_s));
        clock.advance(1);
        tick(form);
        QVERIFY(handsShow(form, after.addSecs(1).time()));
    }

    void everyLocaleShouldKeepTheClockRunning()
    {
        FixedClock clock(QDateTime(QDate(2026, 12, 6), QTime(15, 42, 7)));
        Form1 &form = defaultInstance<Form1>();
        const QList<QLocale> locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        QVERIFY(locales.size() > 100);
        for (const QLocale &locale : locales) {
            QLocale::setDefault(locale);
            clock.advance(1);
            tick(form);
            const QTime time = clock.now().time();
            const platform::LocaleMarks marks = platform::LocaleMarks::of(locale);
            const QString sep = QRegularExpression::escape(marks.timeSeparator);
            const QString what = locale.name();
            QVERIFY2(QRegularExpression(u"^\\d\\d%1\\d\\d%1\\d\\d$"_s.arg(sep)).match(form.Label1->text()).hasMatch(),
                     qPrintable(what + u": "_s + form.Label1->text()));
            QCOMPARE(form.Label2->text(), u"03%1%2%1%3 %4"_s.arg(marks.timeSeparator)
                                              .arg(time.minute(), 2, 10, QLatin1Char('0'))
                                              .arg(time.second(), 2, 10, QLatin1Char('0'))
                                              .arg(marks.afternoon));
            QVERIFY2(handsShow(form, time), qPrintable(what));
            form.Label1_MouseUp();
            const QString dateSep = QRegularExpression::escape(marks.dateSeparator);
            QVERIFY2(QRegularExpression(u"^2026%1\\d\\d%1\\d\\d$"_s.arg(dateSep)).match(form.Label1->text()).hasMatch(),
                     qPrintable(what + u": "_s + form.Label1->text()));
        }
        qInfo("%lld locales checked", qlonglong(locales.size()));

        QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
        clock.set(QDateTime(QDate(2026, 12, 6), QTime(9, 5, 9)));
        tick(form);
        QCOMPARE(form.Label1->text(), u"09:05:09"_s);
        QCOMPARE(form.Label2->text(), u"09:05:09 午前"_s);
        form.Label1_MouseUp();
        QCOMPARE(form.Label1->text(), u"2026/12/06"_s);
    }

    void startUpShouldPlaceTheClockOnAnyScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("smaller than the clock") << QSize(160, 120) << QPoint() << QPoint(-30, -103);
        QTest::newRow("8K") << QSize(7680, 4320) << QPoint() << QPoint(7490, 4097);
        QTest::newRow("secondary screen on the left") << QSize(1024, 768) << QPoint(1920, 0) << QPoint(1920 + 834, 545);
    }
    void startUpShouldPlaceTheClockOnAnyScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(QPoint, origin);
        QFETCH(QPoint, expected);
        platform::ScreenMetrics metrics;
        metrics.widthTwips = screen.width() * 15;
        metrics.heightTwips = screen.height() * 15;
        metrics.originPixels = origin;
        platform::ScreenMetrics::override(metrics);
        FixedClock clock(QDateTime(QDate(2026, 12, 6), QTime(12, 0, 0)));
        Form1 &form = defaultInstance<Form1>();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.pos(), expected);
        tick(form);
        QCOMPARE(form.Label1->text(), u"12:00:00"_s);
    }
};

POMURI_TEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
