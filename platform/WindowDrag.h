#pragma once

#include <QPoint>

class QWidget;

namespace platform {

/// Moves a top-level window with the mouse while the left button is held. The window system's
/// own move is used where it offers one; otherwise the window follows the mouse events it is fed.
class WindowDrag
{
public:
    explicit WindowDrag(QWidget &window);

    /// Starts a drag from a left press at globalPress (desktop pixels).
    void begin(QPoint globalPress);
    /// A mouse move while the button is held; true if it moved the window.
    bool follow(QPoint globalPosition);
    /// The button was released: the window stays where it is.
    void end();

private:
    QWidget &m_window;
    QPoint m_grabOffset;
    bool m_following = false;
};

} // namespace platform
