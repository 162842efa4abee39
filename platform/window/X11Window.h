#pragma once

#include <QByteArrayList>

class QWindow;

/// What X11 window managers read from a client's window properties, for the few things Qt has no
/// setting for. Every function does nothing unless the program runs on X11 (or XWayland).
namespace platform::x11Window {

[[nodiscard]] bool isX11();

/// Adds these _NET_WM_STATE atoms (e.g. "_NET_WM_STATE_SKIP_TASKBAR") to a window that is not
/// mapped yet; Qt keeps them when it maps the window.
void addStatesBeforeMap(QWindow &window, const QByteArrayList &states);

/// Writes a property again with the value it already has, so that whoever watches it sees it
/// change.
void restateProperty(QWindow &window, const char *name);

/// The name the running window manager gives itself (e.g. "GNOME Shell", "Openbox"), or nothing.
[[nodiscard]] QByteArray windowManagerName();

} // namespace platform::x11Window
