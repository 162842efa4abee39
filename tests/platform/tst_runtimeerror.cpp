#include "TestSupport.h"

#include "clock/Form1.h"
#include "platform/CheckedArithmetic.h"
#include "platform/FormTimer.h"
#include "platform/RuntimeError.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestRuntimeError : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { resetForms(); }

    void overflowInATimerHandlerShouldBeReportedAndEndTheProgram()
    {
        QWidget window;
        window.show();
        platform::FormTimer timer(10, &window);
        int ticks = 0;
        connect(&timer, &platform::FormTimer::timer, &window, [&] {
            ++ticks;
            (void)platform::checked::multiply16(std::int16_t(300), std::int16_t(300));
        });

        QString caption;
        QString text;
        whenModalAppears([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            caption = box->windowTitle();
            text = box->text();
            QVERIFY(!window.isVisible()); // nothing half-updated stays on screen
            box->button(QMessageBox::Ok)->click();
        });
        const int status = QCoreApplication::exec();

        QCOMPARE(status, platform::FormRuntime::runtimeErrorExitStatus);
        QVERIFY(status != 0);
        QCOMPARE(caption, u"pomuri"_s);
        QCOMPARE(text, u"実行時エラー '6':\n\nオーバーフローしました。"_s);
        QVERIFY(platform::FormRuntime::hasEnded());
        QVERIFY(ticks >= 1);
    }

    void overflowInAFormHandlerShouldLeaveNoWindowBehind()
    {
        pinScreen1024x768();
        Form1 &clock = platform::defaultInstance<Form1>();
        platform::FormRuntime::show(clock);
        QString text;
        bool clockHidden = false;
        whenModalAppears([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            text = box->text();
            clockHidden = !clock.isVisible();
            box->button(QMessageBox::Ok)->click();
        });
        QTimer::singleShot(0, &clock, [&clock] {
            std::int32_t percent = 12900; // 12900 × 255 ÷ 100 does not fit 16 bits
            clock.ColorDataChange(percent);
        });
        QCOMPARE(QCoreApplication::exec(), platform::FormRuntime::runtimeErrorExitStatus);
        QCOMPARE(text, u"実行時エラー '6':\n\nオーバーフローしました。"_s);
        QVERIFY(clockHidden);
    }
};

POMURI_TEST_MAIN(TestRuntimeError)
#include "tst_runtimeerror.moc"
