#include "platform/window/WindowSystem.h"

#include <QFileInfo>

#include <utility>

#include <xcb/xcb.h>

using namespace Qt::StringLiterals;

namespace platform::windowSystem {

namespace {

// Held open until Qt has connected: an X server that no other client holds (Xvfb, xinit) resets
// when its last client leaves, and Qt's connection would then find no display.
xcb_connection_t *displayProbe = nullptr;

bool xDisplayAnswers()
{
    displayProbe = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(displayProbe) == 0)
        return true;
    releaseDisplayProbe();
    return false;
}

bool waylandSocketExists()
{
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY", u"wayland-0"_s);
    if (QFileInfo(name).isAbsolute())
        return QFileInfo::exists(name);
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + u'/' + name);
}

} // namespace

QString choose()
{
    // Settings of the window-system connection, before Qt reads them.
    // Shared-memory image transfer costs an extra X event and two thread wake-ups for every
    // repaint; the clock repaints a few hundred pixels a second, which the socket carries for less.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    // Qt's own event loop wakes once a second with a third of GLib's work; nothing here needs
    // GLib's (no GTK dialogs or themes).
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    // Qt's Wayland plugin would load the GL driver (some 50 MB) only to ask it whether windows
    // may have frames drawn by the program; everything here is painted in shared memory. Dialogs
    // get their frames from compositors that draw them (KDE's, wlroots'), elsewhere none.
    if (!qEnvironmentVariableIsSet("QT_WAYLAND_DISABLE_WINDOWDECORATION"))
        qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");

    const QString chosen = qEnvironmentVariable("QT_QPA_PLATFORM");
    const QString display = qEnvironmentVariable("DISPLAY");
    // Any other choice is the user's to make, and Qt's to report on.
    if (!chosen.isEmpty() && chosen != u"xcb"_s)
        return {};
    if (!display.isEmpty() && xDisplayAnswers()) {
        if (chosen.isEmpty())
            qputenv("QT_QPA_PLATFORM", "xcb");
        return {};
    }
    if (chosen.isEmpty() && waylandSocketExists()) {
        qputenv("QT_QPA_PLATFORM", "wayland");
        return {};
    }
    return display.isEmpty() ? u"no display: DISPLAY is not set"_s : u"cannot open the display '%1'"_s.arg(display);
}

void releaseDisplayProbe()
{
    if (displayProbe)
        xcb_disconnect(std::exchange(displayProbe, nullptr));
}

} // namespace platform::windowSystem
