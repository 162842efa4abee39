// Evidence of robustness: a week of seconds and thousands of clicks leave nothing behind; a jump of
// the clock is followed at the next second.
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
    void cleanup() { resetForms(); }

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
        // The clock turned back an hour (a time that sorts before the one shown) is followed at once.
        clock.set(clock.now().addSecs(-3600));
        tick(form);
        QVERIFY(form.Label1->text() == clock.now().time().toString(u"HH:mm:ss"_s) && handsShow(form, clock.now().time()));
        QVERIFY(form.isVisible() && !platform::FormRuntime::hasEnded());
    }
};

POMURI_TEST_MAIN(TestStress)
#include "tst_stress.moc"
