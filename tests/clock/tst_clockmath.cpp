#include "TestSupport.h"

#include "clock/HandGeometry.h"
#include "clock/Placement.h"
#include "clock/Translucency.h"
#include "platform/RuntimeError.h"

#include <cmath>
#include <numbers>

using namespace clockwindow;

namespace {

platform::ScreenMetrics screenOf(int widthPixels, int heightPixels, double twipsPerPixel)
{
    platform::ScreenMetrics screen;
    screen.widthTwips = widthPixels * twipsPerPixel;
    screen.heightTwips = heightPixels * twipsPerPixel;
    screen.twipsPerPixelX = screen.twipsPerPixelY = twipsPerPixel;
    return screen;
}

/// Where a hand of this length at this clockwise angle from twelve o'clock ends, in exact math.
QPointF pointing(double degreesFromTwelve, int length)
{
    const double radians = (degreesFromTwelve - 90) * std::numbers::pi / 180;
    return {88 + std::cos(radians) * length, 80 + std::sin(radians) * length};
}

} // namespace

class TestClockMath : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shouldPlaceTheWindowNearTheLowerRightCorner_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("twipsPerPixel");
        QTest::addColumn<QPointF>("expectedTwips");
        QTest::addColumn<QPoint>("expectedPixels");
        QTest::newRow("1024x768 at 96 dpi") << 1024 << 768 << 15.0 << QPointF(12510, 8170) << QPoint(834, 545);
        // At 120 dpi the 100-pixel part stays 100 pixels, the twip parts grow.
        QTest::newRow("1280x1024 at 120 dpi") << 1280 << 1024 << 12.0 << QPointF(12810, 9238) << QPoint(1068, 770);
        QTest::newRow("8K") << 7680 << 4320 << 15.0 << QPointF(112350, 61450) << QPoint(7490, 4097);
        // Smaller than the window: off-screen by design, and no failure.
        QTest::newRow("160x120") << 160 << 120 << 15.0 << QPointF(-450, -1550) << QPoint(-30, -103);
    }
    void shouldPlaceTheWindowNearTheLowerRightCorner()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, twipsPerPixel);
        QFETCH(QPointF, expectedTwips);
        QFETCH(QPoint, expectedPixels);
        const platform::ScreenMetrics screen = screenOf(width, height, twipsPerPixel);
        const QPointF placement = startPlacementTwips(screen);
        QCOMPARE(placement, expectedTwips);
        QCOMPARE(screen.desktopPixels(placement), expectedPixels);
    }

    void shouldPlaceRelativeToThePrimaryScreensOrigin()
    {
        platform::ScreenMetrics screen = screenOf(1024, 768, 15);
        screen.originPixels = QPoint(1920, 0); // a secondary screen lies to the left
        QCOMPARE(screen.desktopPixels(startPlacementTwips(screen)), QPoint(1920 + 834, 545));
    }

    void shouldTurnPercentIntoAlpha_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("alpha");
        for (const auto &[percent, alpha] : {std::pair{35, 89}, {50, 128}, {30, 76}, {70, 178}, {90, 230},
                                             {10, 26}, {100, 255}, {0, 0}})
            QTest::addRow("%d%%", percent) << percent << alpha;
    }
    void shouldTurnPercentIntoAlpha()
    {
        QFETCH(int, percent);
        QFETCH(int, alpha);
        QCOMPARE(int(alphaForPercent(percent)), alpha);
    }

    void shouldReportAlphaArithmeticOverflow()
    {
        QCOMPARE(int(alphaForPercent(200)), 510 & 0xFF); // the window system keeps the low byte
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, (void)alphaForPercent(12900)); // past 16 bits
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, (void)alphaForPercent(8421505)); // past 32 bits
    }

    void shouldPointTheHands_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<double>("second");
        QTest::addColumn<double>("minute");
        QTest::addColumn<double>("hour");
        QTest::newRow("midnight") << QTime(0, 0, 0) << 0.0 << 0.0 << 0.0;
        QTest::newRow("three") << QTime(3, 0, 0) << 0.0 << 0.0 << 90.0;
        QTest::newRow("half past nine and a half") << QTime(9, 30, 30) << 180.0 << 183.0 << 285.0;
        QTest::newRow("noon") << QTime(12, 0, 0) << 0.0 << 0.0 << 0.0;
        QTest::newRow("three in the afternoon") << QTime(15, 0, 0) << 0.0 << 0.0 << 90.0;
        QTest::newRow("a second before eleven") << QTime(10, 59, 59) << 354.0 << 359.9 << 329.5;
    }
    void shouldPointTheHands()
    {
        QFETCH(QTime, time);
        QFETCH(double, second);
        QFETCH(double, minute);
        QFETCH(double, hour);
        const auto near = [](HandEnd end, QPointF expected) {
            return std::abs(end.x - expected.x()) < 1e-4 && std::abs(end.y - expected.y()) < 1e-4;
        };
        QVERIFY(near(handFreeEnd(Hand::Second, time, 88, 80), pointing(second, 60)));
        QVERIFY(near(handFreeEnd(Hand::Minute, time, 88, 80), pointing(minute, 60)));
        QVERIFY(near(handFreeEnd(Hand::Hour, time, 88, 80), pointing(hour, 45)));
    }

    void shouldLandOnWholePixelsWhereSinglePrecisionAllows()
    {
        // Straight up and straight right come out exact once stored as single precision.
        QCOMPARE(handFreeEnd(Hand::Second, QTime(0, 0, 0), 88, 80), (HandEnd{88, 20}));
        QCOMPARE(handFreeEnd(Hand::Hour, QTime(0, 0, 0), 88, 80), (HandEnd{88, 35}));
        QCOMPARE(handFreeEnd(Hand::Hour, QTime(3, 0, 0), 88, 80), (HandEnd{133, 80}));
        QCOMPARE(handFreeEnd(Hand::Second, QTime(0, 0, 15), 88, 80), (HandEnd{148, 80}));
    }
};

POMURI_TEST_MAIN(TestClockMath)
#include "tst_clockmath.moc"
