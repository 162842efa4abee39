#include "TestSupport.h"

#include "platform/SingleInstance.h"

#include <QFileInfo>
#include <QProcess>

#include <memory>
#include <signal.h>

using namespace Qt::StringLiterals;

namespace {

/// A copy of the clock, as far as the lock is concerned.
class Copy
{
public:
    explicit Copy(const QProcessEnvironment &environment)
    {
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(PROBE_PATH), {});
    }
    ~Copy()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
    QString answer()
    {
        process.waitForReadyRead(10000);
        return QString::fromLatin1(process.readLine()).trimmed();
    }
    QProcess process;
};

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        directory = std::make_unique<QTemporaryDir>();
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_RUNTIME_DIR"_s, directory->path());
        environment.insert(u"TMPDIR"_s, directory->path() + u"/tmp"_s);
        QDir().mkpath(directory->path() + u"/tmp"_s);
    }

    void secondCopyIsRefusedAndFirstKeepsRunning()
    {
        Copy first(environment);
        QCOMPARE(first.answer(), u"running"_s);
        Copy second(environment);
        QCOMPARE(second.answer(), u"refused"_s);
        QVERIFY(second.process.waitForFinished(10000));
        QCOMPARE(second.process.exitCode(), 0);
        QCOMPARE(first.process.state(), QProcess::Running);

        first.process.closeWriteChannel(); // the first copy ends normally
        QVERIFY(first.process.waitForFinished(10000));
        Copy third(environment);
        QCOMPARE(third.answer(), u"running"_s);
    }

    void killedCopyDoesNotBlockTheNextStart()
    {
        Copy first(environment);
        QCOMPARE(first.answer(), u"running"_s);
        ::kill(pid_t(first.process.processId()), SIGKILL);
        QVERIFY(first.process.waitForFinished(10000));
        Copy next(environment);
        QCOMPARE(next.answer(), u"running"_s);
    }

    void withoutRuntimeDirectoryTheLockIsPrivateToThisUser()
    {
        environment.remove(u"XDG_RUNTIME_DIR"_s);
        Copy first(environment);
        QCOMPARE(first.answer(), u"running"_s);
        Copy second(environment);
        QCOMPARE(second.answer(), u"refused"_s);

        const QFileInfo lockFolder(directory->path() + u"/tmp/pomuri-%1"_s.arg(::geteuid()));
        QVERIFY(lockFolder.isDir());
        QCOMPARE(lockFolder.permissions() & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                              | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                 QFile::Permissions());
    }

private:
    std::unique_ptr<QTemporaryDir> directory;
    QProcessEnvironment environment;
};

POMURI_TEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
