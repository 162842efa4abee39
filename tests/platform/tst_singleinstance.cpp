// One clock per user, with real processes: a probe takes the lock the way the program does.
// And without any display, the real program says so in one line and ends, having taken nothing.
#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

/// A copy of the clock, as far as the lock is concerned: it answers "running" or "refused".
struct Copy : QProcess
{
    explicit Copy(const QProcessEnvironment &environment)
    {
        setProcessEnvironment(environment);
        start(QStringLiteral(PROBE_PATH), {});
    }
    ~Copy() override
    {
        kill();
        waitForFinished();
    }
    QString answer() { return waitForReadyRead(10000) ? QString::fromLatin1(readLine()).trimmed() : QString(); }
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
        environment.insert(u"HOME"_s, directory->path() + u"/home"_s);
        QDir().mkpath(directory->path() + u"/tmp"_s);
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
        ::kill(pid_t(first->processId()), SIGKILL);
        QVERIFY(first->waitForFinished(10000));
        QCOMPARE(Copy(environment).answer(), u"running"_s);
    }

    void withoutAUsableRuntimeDirectoryTheLockGoesToAPrivateFolder()
    {
        for (const QString &runtime : {QString(), u"/nonexistent/pomuri-test"_s, u"/etc/passwd"_s}) {
            environment.insert(u"XDG_RUNTIME_DIR"_s, runtime);
            Copy first(environment);
            QCOMPARE(first.answer(), u"running"_s);
            QCOMPARE(Copy(environment).answer(), u"refused"_s);
            const QFileInfo folder(directory->path() + u"/tmp/pomuri-%1"_s.arg(::geteuid()));
            QCOMPARE(folder.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther), QFile::Permissions());
        }
    }

    void aFolderOfAnotherUsersShouldNeverHoldTheLock_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("private to its owner") << 0700;
        QTest::newRow("open to all") << 0777;
    }
    void aFolderOfAnotherUsersShouldNeverHoldTheLock()
    {
        QFETCH(int, mode);
        if (::geteuid() != 0)
            QSKIP("making a folder of another user's takes root");
        // Someone else took the private folder's name first and put a lock in it.
        environment.remove(u"XDG_RUNTIME_DIR"_s);
        const QString squatted = directory->path() + u"/tmp/pomuri-%1"_s.arg(::geteuid());
        QVERIFY(QDir().mkpath(squatted));
        QVERIFY(QFile::copy(u"/etc/passwd"_s, squatted + u"/pomuri.lock"_s));
        QCOMPARE(::chown(QFile::encodeName(squatted).constData(), 65534, 65534), 0);
        QCOMPARE(::chmod(QFile::encodeName(squatted).constData(), mode_t(mode)), 0);
        Copy first(environment);
        QCOMPARE(first.answer(), u"running"_s);
        QCOMPARE(Copy(environment).answer(), u"refused"_s);
        QVERIFY(QFileInfo::exists(directory->path() + u"/home/.cache/pomuri-%1/pomuri.lock"_s.arg(::geteuid())));
    }

    void withoutADisplayTheProgramSaysSoAndEnds()
    {
        environment.remove(u"QT_QPA_PLATFORM"_s);
        environment.remove(u"WAYLAND_DISPLAY"_s);
        for (const auto &[display, message] : {std::pair{u""_s, u"pomuri: no display: DISPLAY is not set\n"_s},
                                               {u":127"_s, u"pomuri: cannot open the display ':127'\n"_s}}) {
            environment.insert(u"DISPLAY"_s, display);
            QProcess pomuri;
            pomuri.setProcessEnvironment(environment);
            pomuri.start(QStringLiteral(POMURI_PATH), {});
            QVERIFY(pomuri.waitForFinished(10000));
            QCOMPARE(pomuri.exitStatus(), QProcess::NormalExit);
            QCOMPARE(pomuri.exitCode(), 1);
            QCOMPARE(QString::fromUtf8(pomuri.readAllStandardError()), message);
            QCOMPARE(QDir(directory->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{u"tmp"_s});
        }
    }

private:
    std::unique_ptr<QTemporaryDir> directory;
    QProcessEnvironment environment;
};

POMURI_TEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
