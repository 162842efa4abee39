#pragma once

#include <QObject>

class QScreen;

namespace platform::windowSystem {

/// Tells, once the window system has settled, that the screens changed: one added or removed, or
/// one's place, size or resolution. Qt raises the signals it listens to (X11's RandR, Windows'
/// WM_DISPLAYCHANGE and WM_DPICHANGED); nothing here polls.
class ScreenChanges : public QObject
{
    Q_OBJECT
public:
    /// The one watcher, made on first use (the application object makes it).
    [[nodiscard]] static ScreenChanges &instance();

Q_SIGNALS:
    void changed();

private:
    ScreenChanges();
    void watch(const QScreen *screen);
    /// A change comes as several signals: one notification for them all, once they are in.
    void notifyOnce();

    bool m_notificationPending = false;
};

} // namespace platform::windowSystem
