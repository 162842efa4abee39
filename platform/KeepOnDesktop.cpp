#include "platform/KeepOnDesktop.h"

#include "platform/WindowSystem.h"

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

void askForToolbarType(QWindow &window)
{
    if (window.property(x11WindowTypeProperty).isValid())
        return;
    window.setProperty(x11WindowTypeProperty, x11ToolbarType);
    const Qt::WindowFlags flags = window.flags();
    window.setFlags(flags | Qt::CustomizeWindowHint); // a change of flags makes Qt apply them anew
    window.setFlags(flags);
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
        if (QWindow *handle = m_window.windowHandle())
            askForToolbarType(*handle);
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
