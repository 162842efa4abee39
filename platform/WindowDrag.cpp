#include "platform/WindowDrag.h"

#include <QWidget>
#include <QWindow>

namespace platform {

WindowDrag::WindowDrag(QWidget &window)
    : m_window(window)
{
}

void WindowDrag::begin(QPoint globalPress)
{
    QWindow *handle = m_window.windowHandle();
    if (handle && handle->startSystemMove())
        return;
    // No window manager move to hand over to: follow the mouse ourselves.
    m_grabOffset = globalPress - m_window.pos();
    m_following = true;
}

bool WindowDrag::follow(QPoint globalPosition)
{
    if (!m_following)
        return false;
    m_window.move(globalPosition - m_grabOffset);
    return true;
}

void WindowDrag::end()
{
    m_following = false;
}

} // namespace platform
