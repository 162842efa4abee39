#include "TestSupport.h"

#include "platform/CheckedArithmetic.h"
#include "platform/RuntimeError.h"

using namespace Qt::StringLiterals;
using namespace platform::checked;

class TestCheckedArithmetic : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shouldOverflowExactlyPastTheIntegerRange()
    {
        QCOMPARE(subtract16(-32767, 1), -32768);
        QCOMPARE(multiply32(8421504, 255), 2147483520);
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, (void)multiply16(5462, 6));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, (void)subtract16(-32768, 1));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, (void)subtract32(-2147483647 - 1, 1));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, (void)multiply32(8421505, 255));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, (void)roundToInt16(32767.5));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, (void)roundToInt32(std::numeric_limits<double>::quiet_NaN()));
    }

    void shouldRoundHalvesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("89.25") << 89.25 << 89;
        QTest::newRow("127.5 up to even") << 127.5 << 128;
        QTest::newRow("76.5 down to even") << 76.5 << 76;
        QTest::newRow("229.5") << 229.5 << 230;
        QTest::newRow("-2.5") << -2.5 << -2;
        QTest::newRow("just above half") << 2.5000001 << 3;
        QTest::newRow("16-bit edge") << 32767.4 << 32767;
    }
    void shouldRoundHalvesToEven()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(roundToInt16(value), expected);
        QCOMPARE(roundToInt32(value), expected);
    }

    void shouldReadTextsThatDenoteNumbers()
    {
        QCOMPARE(textToInt32(u"35"_s), 35);
        QCOMPARE(textToInt32(u" 35 "_s), 35);
        QCOMPARE(textToInt32(u"35.5"_s), 36);
        QCOMPARE(textToInt32(u"-0"_s), 0);
        try {
            (void)textToInt32(u"三十五"_s);
            QFAIL("a text that is no number was converted");
        } catch (const platform::RuntimeError &error) {
            QCOMPARE(error.number(), 13);
            QCOMPARE(error.reportText(), u"実行時エラー '13':\n\n型が一致しません。"_s);
        }
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, (void)textToInt32(QString()));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, (void)textToInt32(u"99999999999"_s));
    }
};

POMURI_TEST_MAIN(TestCheckedArithmetic)
#include "tst_checkedarithmetic.moc"
