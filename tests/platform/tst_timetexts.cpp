#include "TestSupport.h"

#include "platform/TimeTexts.h"

using namespace Qt::StringLiterals;
using namespace platform;

class TestTimeTexts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shouldFormatJapaneseTexts_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("text24");
        QTest::addColumn<QString>("text12");
        QTest::newRow("half past midnight") << QTime(0, 30, 0) << u"00:30:00"_s << u"12:30:00 午前"_s;
        QTest::newRow("half past noon") << QTime(12, 30, 0) << u"12:30:00"_s << u"12:30:00 午後"_s;
        QTest::newRow("evening") << QTime(19, 5, 9) << u"19:05:09"_s << u"07:05:09 午後"_s;
        QTest::newRow("last second") << QTime(23, 59, 59) << u"23:59:59"_s << u"11:59:59 午後"_s;
        QTest::newRow("last morning second") << QTime(11, 59, 59) << u"11:59:59"_s << u"11:59:59 午前"_s;
    }
    void shouldFormatJapaneseTexts()
    {
        QFETCH(QTime, time);
        QFETCH(QString, text24);
        QFETCH(QString, text12);
        const QLocale japanese(QLocale::Japanese, QLocale::Japan);
        const QDateTime moment(QDate(2006, 1, 9), time);
        QCOMPARE(timeTexts::time24(moment, japanese), text24);
        QCOMPARE(timeTexts::time12(moment, japanese), text12);
        QCOMPARE(timeTexts::date(moment, japanese), u"2006/01/09"_s);
        QCOMPARE(timeTexts::shortDate(moment, japanese), u"06/01/09"_s);
    }

    void shouldTakeSeparatorsAndDesignatorsFromTheLocale()
    {
        const QDateTime evening(QDate(2026, 3, 29), QTime(19, 5, 9));
        const QLocale finnish(QLocale::Finnish, QLocale::Finland); // "H.mm", "d.M.yyyy"
        QCOMPARE(timeTexts::time24(evening, finnish), u"19.05.09"_s);
        QCOMPARE(timeTexts::date(evening, finnish), u"2026.03.29"_s);

        const QLocale korean(QLocale::Korean, QLocale::SouthKorea);
        QCOMPARE(timeTexts::time12(evening, korean), u"07:05:09 "_s + korean.pmText());
        QCOMPARE(korean.pmText(), u"오후"_s);

        const QLocale american(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(timeTexts::time12(evening.addSecs(-12 * 3600), american), u"07:05:09 AM"_s);
        QCOMPARE(timeTexts::date(evening, american), u"2026/03/29"_s);
    }

    void defaultTimeShouldCarryNoTimeZone()
    {
        const QDateTime evening(QDate(2026, 3, 29), QTime(19, 5, 9));
        QCOMPARE(timeTexts::defaultTime(evening, QLocale(QLocale::Japanese, QLocale::Japan)), u"19時05分09秒"_s);
        QCOMPARE(timeTexts::defaultTime(evening, QLocale(QLocale::German, QLocale::Germany)), u"19:05:09"_s);
    }

    void shouldUseTheDefaultLocaleWhenNoneIsGiven()
    {
        QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
        QCOMPARE(timeTexts::time12(QDateTime(QDate(2026, 1, 1), QTime(0, 0))), u"12:00:00 午前"_s);
        QLocale::setDefault(QLocale::c());
    }
};

POMURI_TEST_MAIN(TestTimeTexts)
#include "tst_timetexts.moc"
