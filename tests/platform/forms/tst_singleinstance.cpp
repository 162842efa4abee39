// One clock per user, with real processes: a probe takes the lock the way the program does.
#include "ProbeCopy.h"

#include <QFile>

class TestSingleInstance : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        directory = std::make_unique<QTemporaryDir>();
        environment = environmentIn(*directory);
    }

    void aSecondCopyIsRefusedUntilTheFirstEndsOrIsKilled()
    {
        auto first = std::make_unique<Copy>(environment);
        QCOMPARE(first->answer(), u"running"_s);
        QCOMPARE(Copy(environment).answer(), u"refused"_s);
        QCOMPARE(first->state(), QProcess::Running);
        first->closeWriteChannel(); // it ends normally
        QVERIFY(first->waitForFinished(10000));
        first = std::make_unique<Copy>(environment);
        QCOMPARE(first->answer(), u"running"_s);
        first->kill(); // as a crash or the task manager ends it: no chance to give the lock up
        QVERIFY(first->waitForFinished(10000));
        QCOMPARE(Copy(environment).answer(), u"running"_s);
    }

    void aCopyStartedFromAnotherFileIsRefusedToo()
    {
        // An installed copy and a portable one, or a program file renamed, are still one clock.
        const QString elsewhere = directory->path() + u"/elsewhere/"_s + QFileInfo(QStringLiteral(PROBE_PATH)).fileName();
        QVERIFY(QDir().mkpath(QFileInfo(elsewhere).path()));
        QVERIFY(QFile::copy(QStringLiteral(PROBE_PATH), elsewhere));
        Copy first(environment);
        QCOMPARE(first.answer(), u"running"_s);
        QCOMPARE(Copy(environment, elsewhere).answer(), u"refused"_s);
    }

private:
    std::unique_ptr<QTemporaryDir> directory;
    QProcessEnvironment environment;
};

POMURI_TEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
