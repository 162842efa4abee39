// On native Wayland (run by test_wayland.sh inside Weston): the clock starts, ticks, paints its own
// translucency and opens its settings dialog.
#include "TestSupport.h"

#include "clock/Form1.h"
#include "clock/ReadoutLabel.h"
#include "menu/Form2.h"
#include "settings/Form4.h"

#include <QAction>

using namespace Qt::StringLiterals;
using platform::defaultInstance;

class TestWayland : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void theClockShouldRunTranslucentAndOpenItsSettings()
    {
        QCOMPARE(QGuiApplication::platformName(), u"wayland"_s);
        QVERIFY(platform::FormRuntime::start<Form1>());
        Form1 &clock = defaultInstance<Form1>();
        QVERIFY(QTest::qWaitForWindowExposed(&clock));
        const QString started = clock.Label1->text();
        QTRY_VERIFY_WITH_TIMEOUT(clock.Label1->text() != started, 3000);
        // Beyond the hands' reach, whatever the time: the face between their tips and its rim.
        const QColor face = clock.grab().toImage().pixelColor(88, 12);
        QVERIFY2(qAbs(face.alpha() - 89) <= 1 && face.blue() >= 250 && face.red() <= 5, qPrintable(face.name(QColor::HexArgb)));
        defaultInstance<Form2>().about(Form2::aboutIndex)->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(&defaultInstance<Form4>()));
    }
};

POMURI_TEST_MAIN(TestWayland)
#include "tst_wayland.moc"
