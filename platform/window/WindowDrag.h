#pragma once

#include <QPoint>

class QWidget;

namespace platform {

/// Moves a top-level window with the mouse while the left button is held. Nothing moves until the
/// mouse does, so a click never starts a move; the window then follows the mouse events it is
/// fed, and stays where the button is released. Where only the compositor can place windows, the
/// compositor's own move takes over at the first movement instead. A change of the screens ends a
/// drag under way.
class WindowDrag
{
public:
    explicit WindowDrag(QWidget &window);

    /// A left press at globalPress (desktop pixels).
    void press(QPoint globalPress);
    /// The mouse is at globalPosition with the left button held.
    void follow(QPoint globalPosition);
    /// The left button is up: the window stays where it is.
    void release();

private:
    QWidget &m_window;
    QPoint m_grabOffset;
    bool m_pressed = false;
};

} // namespace platform
