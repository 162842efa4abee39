#include "TestSupport.h"

#include "clock/Form1.h"
#include "clock/ReadoutLabel.h"
#include "menu/Form2.h"
#include "menu/Form3.h"
#include "platform/FormTimer.h"
#include "settings/Form4.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>


using namespace Qt::StringLiterals;
using platform::defaultInstance;

namespace {

/// Live widgets and objects of the program, to see that nothing piles up.
struct Census
{
    qsizetype widgets = 0;
    qsizetype objects = 0;
    qsizetype timers = 0;

    static Census now()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Census census;
        census.widgets = QApplication::allWidgets().size();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            census.objects += 1 + window->findChildren<QObject *>().size();
            census.timers += window->findChildren<platform::FormTimer *>().size();
        }
        return census;
    }
    friend bool operator==(const Census &, const Census &) = default;
};


} // namespace

class TestLongRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
        pinScreen1024x768();
    }

    void aWeekOfTicksAndThousandsOfClicksShouldLeaveNothingBehind()
    {
        FixedClock clock(QDateTime(QDate(2026, 12, 6), QTime(0, 0, 0)));
        Form1 &form = defaultInstance<Form1>();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        (void)defaultInstance<Form2>(); // created by the first right-click and kept for the run
        const Census before = Census::now();

        const int days = qEnvironmentVariableIsSet("POMURI_LONGRUN_DAYS") ? qEnvironmentVariableIntValue("POMURI_LONGRUN_DAYS") : 7;
        const qint64 ticks = qint64(days) * 24 * 3600;
        int spotChecks = 0;
        for (qint64 tick = 1; tick <= ticks; ++tick) {
            clock.advance(1);
            // The handlers in the order their timers fire within one second.
            form.Timer2_Timer();
            form.Timer4_Timer();
            if (tick % 5 == 0)
                form.Timer3_Timer();
            form.Timer1_Timer();
            if (tick % 3600 == 0)
                QCoreApplication::processEvents(); // let the window paint now and then
            if (tick % 997 == 0) {
                const QTime time = clock.now().time();
                QCOMPARE(form.Label1->text(), time.toString(u"HH:mm:ss"_s));
                QCOMPARE(form.Label2->text(), QLocale::c().toString(time, u"hh:mm:ss AP"_s)
                                                  .replace(u"AM"_s, u"午前"_s).replace(u"PM"_s, u"午後"_s));
                QVERIFY(handPointsAt(form.Line3, time.second() * 6.0, 60));
                QVERIFY(handPointsAt(form.Line2, time.minute() * 6.0 + time.second() / 10.0, 60));
                QVERIFY(handPointsAt(form.Line1, (time.hour() % 12) * 30.0 + time.minute() / 2.0, 45));
                ++spotChecks;
            }
        }
        QCOMPARE(clock.now(), QDateTime(QDate(2026, 12, 6 + days), QTime(0, 0, 0)));
        qInfo("%lld ticks over %d simulated days, %d spot checks", ticks, days, spotChecks);

        for (int peek = 0; peek < 10000; ++peek) {
            QTest::mouseClick(form.Label1, Qt::LeftButton);
            QCOMPARE(form.Label1->text(), u"2026/12/%1"_s.arg(6 + days, 2, 10, QLatin1Char('0')));
            form.Timer2_Timer();
        }

        for (int cycle = 0; cycle < 1000; ++cycle) {
            defaultInstance<Form2>().about(Form2::aboutIndex)->trigger();
            Form4 &settings = defaultInstance<Form4>();
            settings.Command3->click(); // 設定の終了: hidden
            defaultInstance<Form2>().about(Form2::aboutIndex)->trigger();
            settings.close(); // the close box: unloaded
        }
        for (int cycle = 0; cycle < 1000; ++cycle) {
            defaultInstance<Form4>().Command4->click();
            defaultInstance<Form3>().Command1->click();
        }
        defaultInstance<Form4>().close(); // back to how start-up left it: hidden,
        (void)defaultInstance<Form4>();   // with starting values
        QCOMPARE(Census::now(), before);
        QVERIFY(form.isVisible());
        QVERIFY(!platform::FormRuntime::hasEnded());
    }
};

POMURI_TEST_MAIN(TestLongRun)
#include "tst_longrun.moc"
