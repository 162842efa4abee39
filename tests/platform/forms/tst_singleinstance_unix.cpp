// Where the lock lives on Unix, whatever the runtime folder is like; and without any display,
// the real program says so in one line and ends, having taken nothing.
#include "ProbeCopy.h"

#include <sys/stat.h>
#include <unistd.h>

class TestSingleInstanceUnix : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        directory = std::make_unique<QTemporaryDir>();
        environment = environmentIn(*directory);
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

POMURI_TEST_MAIN(TestSingleInstanceUnix)
#include "tst_singleinstance_unix.moc"
