// Takes the clock's single-instance lock the way the program does, prints "running" or
// "refused", and if running holds the lock until its standard input closes.
#include "platform/forms/SingleInstance.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("pomuri"));
    const bool refused = platform::SingleInstance::anotherCopyIsRunning();
    std::puts(refused ? "refused" : "running");
    std::fflush(stdout);
    while (!refused && std::getchar() != EOF) {
    }
    return 0;
}
