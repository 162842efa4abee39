#include "TestSupport.h"

#include "platform/FormTimer.h"

#include <utility>

using namespace Qt::StringLiterals;
using platform::FormTimer;

class TestFormTimer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void timersOfOnePeriodShouldFireTogetherInStartOrder()
    {
        QObject owner;
        QStringList fired;
        const auto record = [&](FormTimer *timer, QString name) {
            connect(timer, &FormTimer::timer, &owner, [&fired, name] { fired << name; });
        };
        auto *first = new FormTimer(40, &owner);
        auto *second = new FormTimer(40, &owner);
        auto *never = new FormTimer(0, &owner);
        record(first, u"first"_s);
        record(second, u"second"_s);
        record(never, u"never"_s);
        QVERIFY(!never->isTicking());

        QTRY_VERIFY(fired.size() >= 4);
        QCOMPARE(fired.mid(0, 4), (QStringList{u"first"_s, u"second"_s, u"first"_s, u"second"_s}));

        // Setting the interval it has keeps its place; a new interval starts it afresh, last.
        first->setInterval(40);
        fired.clear();
        QTRY_VERIFY(fired.size() >= 2);
        QCOMPARE(fired.mid(0, 2), (QStringList{u"first"_s, u"second"_s}));
        first->setInterval(0);
        first->setInterval(40);
        fired.clear();
        QTRY_VERIFY(fired.size() >= 4);
        QCOMPARE(fired.mid(0, 4), (QStringList{u"second"_s, u"first"_s, u"second"_s, u"first"_s}));

        // A handler may destroy a timer that would fire later in the same beat.
        connect(second, &FormTimer::timer, &owner, [&first] { delete std::exchange(first, nullptr); });
        fired.clear();
        QTRY_VERIFY(fired.count(u"second"_s) >= 2);
        QVERIFY(!fired.contains(u"first"_s));
        QVERIFY(!fired.contains(u"never"_s));
    }
};

POMURI_TEST_MAIN(TestFormTimer)
#include "tst_formtimer.moc"
