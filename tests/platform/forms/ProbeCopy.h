#pragma once

#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

using namespace Qt::StringLiterals;

/// A copy of the clock, as far as the lock is concerned: it answers "running" or "refused".
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

/// The system's environment with the runtime, temporary and home folders in folder, which holds
/// an empty tmp/ to begin with.
inline QProcessEnvironment environmentIn(const QTemporaryDir &folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_RUNTIME_DIR"_s, folder.path());
    environment.insert(u"TMPDIR"_s, folder.path() + u"/tmp"_s);
    environment.insert(u"HOME"_s, folder.path() + u"/home"_s);
    QDir().mkpath(folder.path() + u"/tmp"_s);
    return environment;
}
