#include "platform/window/KeepOnDesktop.h"

#include "platform/window/WindowSystem.h"
#include "platform/window/X11Window.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

constexpr Qt::WindowStates lostStates = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

// On X11 the window type is what window managers go by (openbox ignores the Motif hints for
// iconify and maximise): a toolbar offers neither. Qt's xcb plugin takes the type from this
// window property each time it applies the window's flags.
constexpr char x11WindowTypeProperty[] = "_q_xcb_wm_window_type";
constexpr int x11ToolbarType = 0x8;

// Tells X11 window managers, before the window is mapped, what it is: a toolbar, listed in no
// taskbar, pager or window switcher, and a window of its own. Qt would make a Tool window
// transient for the whole application, and KWin lets any transient be iconified whose main
// window is not shown (the application has none). The widget stays a Tool, which is what keeps
// it out of taskbars elsewhere.
void describeToX11WindowManagers(QWindow &window)
{
    window.setProperty(x11WindowTypeProperty, x11ToolbarType);
    window.setFlags((window.flags() & ~Qt::WindowType_Mask) | Qt::Window);
    x11Window::addStatesBeforeMap(window, {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER",
                                           "_KDE_NET_WM_STATE_SKIP_SWITCHER"});
}

} // namespace

KeepOnDesktop::KeepOnDesktop(QWidget &window)
    : QObject(&window)
    , m_window(window)
{
    window.installEventFilter(this);
}

bool KeepOnDesktop::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        // The native window exists by now and is not mapped yet.
        if (QWindow *handle = m_window.windowHandle(); handle && x11Window::isX11())
            describeToX11WindowManagers(*handle);
        m_place = m_window.pos();
        break;
    case QEvent::Move:
        if (!(m_window.windowState() & lostStates))
            m_place = m_window.pos();
        break;
    case QEvent::WindowStateChange:
        if (m_window.windowState() & lostStates)
            QMetaObject::invokeMethod(this, &KeepOnDesktop::restore, Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return false;
}

void KeepOnDesktop::restore()
{
    m_window.setWindowState(m_window.windowState() & ~lostStates);
    windowSystem::placeWindow(m_window, m_place);
}

} // namespace platform
