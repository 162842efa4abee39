// One clock per user, with real processes: a probe takes the lock the way the program does. On
// Unix also where the lock lives whatever the runtime folder is like, and that without any display
// the real program says so in one line and ends, having taken nothing.
#include "TestSupport.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

/// A copy of the clock, ended with the test: by default the probe, which answers "running" or "refused".
struct Copy : QProcess
{
    explicit Copy(const QProcessEnvironment &environment, const QString &program = QStringLiteral(PROBE_PATH))
    {
        setProcessEnvironment(environment);
        start(program, {});
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
        // The runtime, temporary and home folders of a user of our own, with an empty tmp/.
        directory = std::make_unique<QTemporaryDir>();
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_RUNTIME_DIR"_s, directory->path());
        environment.insert(u"TMPDIR"_s, directory->path() + u"/tmp"_s);
        environment.insert(u"HOME"_s, directory->path() + u"/home"_s);
        QDir().mkpath(directory->path() + u"/tmp"_s);
    }

    void aSecondCopyIsRefusedUntilTheFirstEndsOrIsKilled()
    {
        // An installed copy and a portable one, or a program file renamed, are still one clock.
        const QString elsewhere = directory->path() + u"/elsewhere/"_s + QFileInfo(QStringLiteral(PROBE_PATH)).fileName();
        QVERIFY(QDir().mkpath(QFileInfo(elsewhere).path()) && QFile::copy(QStringLiteral(PROBE_PATH), elsewhere));
        auto first = std::make_unique<Copy>(environment);
        QCOMPARE(first->answer(), u"running"_s);
        QCOMPARE(Copy(environment, elsewhere).answer(), u"refused"_s);
        QCOMPARE(first->state(), QProcess::Running);
        first->closeWriteChannel(); // it ends normally
        QVERIFY(first->waitForFinished(10000));
        first = std::make_unique<Copy>(environment);
        QCOMPARE(first->answer(), u"running"_s);
        first->kill(); // as a crash or the task manager ends it: no chance to give the lock up
        QVERIFY(first->waitForFinished(10000));
        QCOMPARE(Copy(environment).answer(), u"running"_s);
    }

#ifdef Q_OS_UNIX
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

    void aFolderOfAnotherUsersShouldNeverHoldTheLock()
    {
        if (::geteuid() != 0)
            QSKIP("making a folder of another user's takes root");
        // Someone else took the private folder's name first and put a lock in it, private or open to all.
        environment.remove(u"XDG_RUNTIME_DIR"_s);
        const QString squatted = directory->path() + u"/tmp/pomuri-%1"_s.arg(::geteuid());
        QVERIFY(QDir().mkpath(squatted));
        QVERIFY(QFile::copy(u"/etc/passwd"_s, squatted + u"/pomuri.lock"_s));
        QCOMPARE(::chown(QFile::encodeName(squatted).constData(), 65534, 65534), 0);
        for (const mode_t mode : {0700, 0777}) {
            QCOMPARE(::chmod(QFile::encodeName(squatted).constData(), mode), 0);
            Copy first(environment);
            QCOMPARE(first.answer(), u"running"_s);
            QCOMPARE(Copy(environment).answer(), u"refused"_s);
            QVERIFY(QFileInfo::exists(directory->path() + u"/home/.cache/pomuri-%1/pomuri.lock"_s.arg(::geteuid())));
        }
    }

    void withoutADisplayTheProgramSaysSoAndEnds()
    {
        environment.remove(u"QT_QPA_PLATFORM"_s);
        environment.remove(u"WAYLAND_DISPLAY"_s);
        for (const auto &[display, message] : {std::pair{u""_s, u"pomuri: no display: DISPLAY is not set\n"_s},
                                               {u":127"_s, u"pomuri: cannot open the display ':127'\n"_s}}) {
            environment.insert(u"DISPLAY"_s, display);
            Copy pomuri(environment, QStringLiteral(POMURI_PATH));
            QVERIFY(pomuri.waitForFinished(10000));
            QCOMPARE(pomuri.exitStatus(), QProcess::NormalExit);
            QCOMPARE(pomuri.exitCode(), 1);
            QCOMPARE(QString::fromUtf8(pomuri.readAllStandardError()), message);
            QCOMPARE(QDir(directory->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{u"tmp"_s});
        }
    }
#endif

private:
    std::unique_ptr<QTemporaryDir> directory;
    QProcessEnvironment environment;
};

POMURI_TEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
