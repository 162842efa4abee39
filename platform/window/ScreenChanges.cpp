#include "platform/window/ScreenChanges.h"

#include <QGuiApplication>
#include <QScreen>

#include <utility>

namespace platform::windowSystem {

ScreenChanges &ScreenChanges::instance()
{
    static ScreenChanges watcher;
    return watcher;
}

ScreenChanges::ScreenChanges()
{
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](const QScreen *screen) {
        watch(screen);
        notifyOnce();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &ScreenChanges::notifyOnce);
    for (const QScreen *screen : QGuiApplication::screens())
        watch(screen);
}

void ScreenChanges::watch(const QScreen *screen)
{
    connect(screen, &QScreen::geometryChanged, this, &ScreenChanges::notifyOnce);
    connect(screen, &QScreen::logicalDotsPerInchChanged, this, &ScreenChanges::notifyOnce);
}

void ScreenChanges::notifyOnce()
{
    if (std::exchange(m_notificationPending, true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_notificationPending = false;
            Q_EMIT changed();
        },
        Qt::QueuedConnection);
}

} // namespace platform::windowSystem
