#include "platform/window/WindowDrag.h"

#include "platform/window/ScreenChanges.h"
#include "platform/window/WindowSystem.h"

#include <QWidget>
#include <QWindow>

namespace platform {

WindowDrag::WindowDrag(QWidget &window)
    : m_window(window)
{
    // The window has just been put back on a screen: following the pointer on would undo that.
    QObject::connect(&windowSystem::ScreenChanges::instance(), &windowSystem::ScreenChanges::changed, &window,
                     [this] { release(); });
}

void WindowDrag::press(QPoint globalPress)
{
    m_grabOffset = globalPress - m_window.pos();
    m_pressed = true;
}

void WindowDrag::follow(QPoint globalPosition)
{
    if (!m_pressed)
        return;
    // A move handed to an X window manager before it has seen the press outlives a quick click and
    // glues the window to the pointer; following our own events ends with our own release.
    if (!windowSystem::clientPlacesWindows()) {
        m_pressed = false;
        if (QWindow *handle = m_window.windowHandle())
            handle->startSystemMove();
        return;
    }
    windowSystem::placeWindow(m_window, globalPosition - m_grabOffset);
}

void WindowDrag::release()
{
    m_pressed = false;
}

} // namespace platform
