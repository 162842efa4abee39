#include "platform/forms/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

/// A directory that is really this user's: not a link, owned by us, writable by us and by nobody else.
bool isPrivateDirectory(const QString &path, bool mustBeOwnerOnly)
{
    struct stat status{};
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return false;
    if (!S_ISDIR(status.st_mode) || status.st_uid != ::geteuid())
        return false;
    if (mustBeOwnerOnly && (status.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return false;
    return ::access(QFile::encodeName(path).constData(), W_OK | X_OK) == 0;
}

/// Creates path with owner-only permissions if it is missing, then checks it is private.
bool ensurePrivateDirectory(const QString &path)
{
    ::mkdir(QFile::encodeName(path).constData(), S_IRWXU);
    return isPrivateDirectory(path, true);
}

std::unique_ptr<QLockFile> &heldLock()
{
    static std::unique_ptr<QLockFile> lock;
    return lock;
}

/// The directory the lock lives in: $XDG_RUNTIME_DIR when it is this user's and writable,
/// otherwise a private folder of this user's under the temporary directory, otherwise one under
/// the cache directory. Empty when none can be had.
QString lockDirectory()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (isPrivateDirectory(runtime, false))
        return runtime;

    const QString userSuffix = u"pomuri-%1"_s.arg(::geteuid());
    const QString inTemp = QDir::tempPath() + u'/' + userSuffix;
    if (ensurePrivateDirectory(inTemp))
        return inTemp;

    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.isEmpty() && QDir().mkpath(cache)) {
        const QString inCache = cache + u'/' + userSuffix;
        if (ensurePrivateDirectory(inCache))
            return inCache;
    }
    return {};
}

} // namespace

void SingleInstance::release()
{
    heldLock().reset();
}

bool SingleInstance::anotherCopyIsRunning()
{
    std::unique_ptr<QLockFile> &lock = heldLock();
    if (lock && lock->isLocked())
        return false;

    const QString directory = lockDirectory();
    if (directory.isEmpty())
        return false; // Nowhere to look: better a second clock than none.

    lock = std::make_unique<QLockFile>(directory + u"/pomuri.lock"_s);
    if (lock->tryLock(0))
        return false;
    return lock->error() == QLockFile::LockFailedError;
}

} // namespace platform
