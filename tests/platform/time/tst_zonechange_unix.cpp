// A change of the system's time zone, made the ways Debian's tools make it, is followed at the
// clock's next second. Run in a mount namespace of its own, where a copy of /etc stands in for
// the system's.
#include "TestSupport.h"

#include <sys/mount.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using platform::defaultInstance;

class TestZoneChange : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { pinScreen1024x768(); }
    void cleanup() { resetForms(); }

    void aChangeOfTheSystemsTimeZoneShouldBeFollowedAtTheNextSecond()
    {
        // The mount namespace is made by the test's runner (see tests/CMakeLists.txt).
        if (!qEnvironmentVariableIsSet("POMURI_PRIVATE_MOUNTS"))
            QSKIP("needs a private mount namespace");
        qunsetenv("TZ");
        QTemporaryDir etc;
        // As a user some of /etc cannot be read (nor its owners kept); the zone's files can.
        QProcess::execute(u"sh"_s, {u"-c"_s, u"cp -a /etc/. \"$0\" 2>/dev/null"_s, etc.path()});
        QVERIFY(QFileInfo(etc.path() + u"/localtime"_s).isSymLink());
        QCOMPARE(::mount(QFile::encodeName(etc.path()).constData(), "/etc", nullptr, MS_BIND, nullptr), 0);
        const auto unmount = qScopeGuard([] { ::umount2("/etc", MNT_DETACH); });
        const auto linkAndRename = [](const QString &zone, const QString &newName) {
            const QByteArray target = QFile::encodeName(u"/usr/share/zoneinfo/"_s + zone);
            return ::symlink(target.constData(), QFile::encodeName(newName).constData()) == 0
                && ::rename(QFile::encodeName(newName).constData(), "/etc/localtime") == 0;
        };
        const auto followed = [](const QString &zone) {
            Form1 &form = defaultInstance<Form1>();
            tick(form);
            const QString shown = form.Label1->text();
            const QDateTime there = QDateTime::currentDateTimeUtc().toTimeZone(QTimeZone(zone.toUtf8()));
            return shown == there.time().toString(u"HH:mm:ss"_s) || shown == there.addSecs(-1).time().toString(u"HH:mm:ss"_s);
        };
        (void)defaultInstance<Form1>();

        // timedatectl (and the desktops' settings through it): a link by a new name renamed over the old.
        QVERIFY(linkAndRename(u"Asia/Tokyo"_s, u"/etc/.#localtime3f9a"_s));
        QTRY_VERIFY_WITH_TIMEOUT(followed(u"Asia/Tokyo"_s), 1000);
        // dpkg-reconfigure tzdata: the link replaced the same way, then /etc/timezone rewritten in place.
        QVERIFY(linkAndRename(u"America/Sao_Paulo"_s, u"/etc/localtime.dpkg-new"_s));
        QCOMPARE(QProcess::execute(u"sh"_s, {u"-c"_s, u"echo America/Sao_Paulo >/etc/timezone"_s}), 0);
        QTRY_VERIFY_WITH_TIMEOUT(followed(u"America/Sao_Paulo"_s), 1000);
        QVERIFY(linkAndRename(u"Asia/Kolkata"_s, u"/etc/.#localtime77c1"_s));
        QTRY_VERIFY_WITH_TIMEOUT(followed(u"Asia/Kolkata"_s), 1000);
    }
};

POMURI_TEST_MAIN(TestZoneChange)
#include "tst_zonechange_unix.moc"
