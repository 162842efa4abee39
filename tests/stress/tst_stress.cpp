// Evidence of robustness: a week of seconds and thousands of clicks leave nothing behind; jumps of
// the clock and every locale Qt knows are followed at the next second.
// Expected values are computed here, not by the program's helpers.
#include "TestSupport.h"

#include "platform/forms/FormTimer.h"

using namespace Qt::StringLiterals;
using platform::defaultInstance;

namespace {

bool handsShow(const Form1 &form, QTime time)
{
    const auto end = [](const HandLine &line) { return clockwindow::HandEnd{line.x1, line.y1}; };
    return handPointsAt(end(form.Line3), time.second() * 6.0, 60) && handPointsAt(end(form.Line2), time.minute() * 6.0 + time.second() / 10.0, 60)
        && handPointsAt(end(form.Line1), (time.hour() % 12) * 30.0 + time.minute() / 2.0, 45);
}

/// Live widgets of the program, to see that nothing piles up.
qsizetype census()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return QApplication::allWidgets().size();
}

} // namespace

class TestStress : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { pinScreen1024x768(); }
    void cleanup()
    {
        resetForms();
        QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    }

    void aWeekOfSecondsAndThousandsOfClicksShouldLeaveNothingBehind()
    {
        FixedClock clock(today(0, 0, 0));
        Form1 &form = defaultInstance<Form1>();
        platform::FormRuntime::show(form);
        (void)defaultInstance<Form2>(); // made by the first right-click, kept for the run
        form.Label1_MouseUp(); // so is the notification a date peek makes for screen readers
        const qsizetype before = census();
        const int days = qEnvironmentVariableIsSet("POMURI_LONGRUN_DAYS") ? qEnvironmentVariableIntValue("POMURI_LONGRUN_DAYS") : 7;
        for (qint64 second = 1; second <= days * 86400LL; ++second) {
            clock.advance(1);
            tick(form);
            if (second % 3600 == 0)
                QCoreApplication::processEvents();
            if (second % 997 == 0) {
                const QTime time = clock.now().time();
                QCOMPARE(form.Label1->text(), time.toString(u"HH:mm:ss"_s));
                QCOMPARE(form.Label2->text(), time.toString(u"hh:mm:ss AP"_s).chopped(3) + (time.hour() < 12 ? u" 午前"_s : u" 午後"_s));
                QVERIFY(handsShow(form, time));
            }
        }
        for (int peek = 0; peek < 10000; ++peek) {
            QTest::mouseClick(form.Label1, Qt::LeftButton);
            QCOMPARE(form.Label1->text(), clock.now().date().toString(u"yyyy/MM/dd"_s));
            form.Timer2_Timer();
        }
        const int cycles = qEnvironmentVariableIsSet("POMURI_DIALOG_CYCLES") ? qEnvironmentVariableIntValue("POMURI_DIALOG_CYCLES") : 1000;
        for (int cycle = 0; cycle < cycles; ++cycle) {
            defaultInstance<Form2>().about(Form2::aboutIndex)->trigger();
            defaultInstance<Form4>().Command4->click(); // the settings hidden, About shown
            defaultInstance<Form3>().Command1->click(); // About unloaded
            defaultInstance<Form4>().close(); // the settings unloaded
        }
        (void)defaultInstance<Form4>(); // back to how start-up left it
        QCOMPARE(census(), before);
        QVERIFY(form.isVisible() && !platform::FormRuntime::hasEnded());
    }

    void jumpsOfTheClockShouldBeFollowedAtTheNextSecond()
    {
        // The clock turned back an hour, and a new year (a date that sorts before the one shown).
        FixedClock clock(today(10, 0, 5));
        Form1 &form = defaultInstance<Form1>();
        for (const auto &[before, after] : {std::pair{today(10, 0, 5), today(9, 0, 5)}, {QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)), QDateTime(QDate(2027, 1, 1), {})}}) {
            clock.set(before);
            tick(form);
            clock.set(after);
            tick(form);
            QVERIFY(form.Label1->text() == after.time().toString(u"HH:mm:ss"_s) && handsShow(form, after.time()));
            form.Label1_MouseUp();
            QCOMPARE(form.Label1->text(), after.date().toString(u"yyyy/MM/dd"_s));
        }
    }

    void everyLocaleShouldGiveWellFormedTexts()
    {
        FixedClock clock(today(15, 42, 7));
        Form1 &form = defaultInstance<Form1>();
        const QList<QLocale> locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        for (const QLocale &locale : locales) {
            QLocale::setDefault(locale);
            clock.advance(1);
            tick(form);
            const QTime time = clock.now().time();
            const QString what = locale.name() + u": "_s + form.Label1->text();
            // Three two-digit fields apart by one separator, the locale's own or ':'.
            static const QRegularExpression threeFields(u"^\\d\\d(\\D+)\\d\\d\\1\\d\\d$"_s);
            const QString separator = threeFields.match(form.Label1->text()).captured(1);
            QVERIFY2(!separator.trimmed().isEmpty(), qPrintable(what));
            QVERIFY2(separator == u":"_s || locale.toString(QTime(13, 24), QLocale::ShortFormat).contains(separator.trimmed()), qPrintable(what));
            QCOMPARE(form.Label1->text(), time.toString(u"HH'%1'mm'%1'ss"_s.arg(separator)));
            const QString afternoon = locale.pmText().isEmpty() ? u"PM"_s : locale.pmText();
            QCOMPARE(form.Label2->text(), time.toString(u"hh'%1'mm'%1'ss AP"_s.arg(separator)).chopped(3) + u' ' + afternoon);
            QVERIFY2(handsShow(form, time), qPrintable(what));
            form.Label1_MouseUp();
            const QString date = form.Label1->text();
            const QString dateSeparator = date.mid(4, (date.size() - 8) / 2);
            QVERIFY2(dateSeparator == u"/"_s || locale.toString(QDate(2026, 12, 31), QLocale::ShortFormat).contains(dateSeparator.trimmed()),
                     qPrintable(locale.name() + u": "_s + date));
            QCOMPARE(date, u"2026"_s + dateSeparator + u"12"_s + dateSeparator + u"06"_s);
        }
        QVERIFY(locales.size() > 100);
    }
};

POMURI_TEST_MAIN(TestStress)
#include "tst_stress.moc"
