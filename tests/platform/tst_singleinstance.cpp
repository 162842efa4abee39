#include "TestSupport.h"

#include "platform/SingleInstance.h"

#include <QFileInfo>
#include <QProcess>

#include <memory>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

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

    void simultaneousStartsShouldLeaveExactlyOne()
    {
        for (int race = 0; race < 20; ++race) {
            Copy first(environment);
            Copy second(environment);
            const QStringList answers{first.answer(), second.answer()};
            QCOMPARE(answers.count(u"running"_s), 1);
            QCOMPARE(answers.count(u"refused"_s), 1);
        }
    }

    void unusableRuntimeDirectoryShouldStillAllowOneCopy_data()
    {
        QTest::addColumn<QString>("runtime");
        QTest::newRow("missing") << u"/nonexistent/pomuri-test"_s;
        QTest::newRow("a file") << u"FILE"_s;
        QTest::newRow("not writable") << u"READONLY"_s;
    }
    void unusableRuntimeDirectoryShouldStillAllowOneCopy()
    {
        QFETCH(QString, runtime);
        if (runtime == u"FILE"_s) {
            runtime = directory->path() + u"/not-a-directory"_s;
            QFile file(runtime);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (runtime == u"READONLY"_s) {
            if (::geteuid() == 0)
                QSKIP("root writes anywhere");
            runtime = directory->path() + u"/read-only"_s;
            QVERIFY(QDir().mkdir(runtime));
            QFile::setPermissions(runtime, QFile::ReadOwner | QFile::ExeOwner);
        }
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtime);
        Copy first(environment);
        QCOMPARE(first.answer(), u"running"_s);
        Copy second(environment);
        QCOMPARE(second.answer(), u"refused"_s);
    }

    void anotherUsersLockShouldNotStopThisUsersClock()
    {
        if (::geteuid() != 0)
            QSKIP("making a folder of another user's takes root");
        // Someone else took the private folder's name first and put a lock in it.
        environment.remove(u"XDG_RUNTIME_DIR"_s);
        environment.insert(u"HOME"_s, directory->path() + u"/home"_s);
        const QString squatted = directory->path() + u"/tmp/pomuri-%1"_s.arg(::geteuid());
        QVERIFY(QDir().mkpath(squatted));
        QFile lock(squatted + u"/pomuri.lock"_s);
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("1\npomuri\nlocalhost\n");
        lock.close();
        QCOMPARE(::chown(QFile::encodeName(squatted).constData(), 65534, 65534), 0);
        QCOMPARE(::chmod(QFile::encodeName(squatted).constData(), 0777), 0);

        Copy first(environment);
        QCOMPARE(first.answer(), u"running"_s);
        Copy second(environment);
        QCOMPARE(second.answer(), u"refused"_s);
        QVERIFY(QFileInfo::exists(directory->path() + u"/home/.cache/pomuri-%1/pomuri.lock"_s.arg(::geteuid())));
    }

private:
    std::unique_ptr<QTemporaryDir> directory;
    QProcessEnvironment environment;
};

POMURI_TEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
