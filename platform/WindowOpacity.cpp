#include "platform/WindowOpacity.h"

#include "platform/X11Window.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

// GNOME Shell takes a window's opacity from changes of its property once it manages the window;
// the value the window is mapped with stays unseen, and the window opaque. So the value is
// written again each time the window has been put on the screen.
class OpacityRestatement : public QObject
{
    Q_OBJECT

public:
    explicit OpacityRestatement(QWidget &window)
        : QObject(&window)
        , m_window(window)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &m_window && event->type() == QEvent::Show) {
            // The native window exists by now and is not mapped yet.
            if (QWindow *handle = m_window.windowHandle(); handle && handle != m_watchedHandle) {
                handle->installEventFilter(this);
                m_watchedHandle = handle;
            }
            m_mappedSinceShown = false;
        } else if (watched == m_watchedHandle && event->type() == QEvent::Expose && !m_mappedSinceShown
                   && m_watchedHandle->isExposed()) {
            m_mappedSinceShown = true;
            x11Window::restateProperty(*m_watchedHandle, "_NET_WM_WINDOW_OPACITY");
        }
        return false;
    }

private:
    QWidget &m_window;
    QWindow *m_watchedHandle = nullptr;
    bool m_mappedSinceShown = false;
};

} // namespace

void setWindowAlpha(QWidget &window, std::uint8_t alpha)
{
    if (x11Window::isX11() && !window.findChild<OpacityRestatement *>(QString(), Qt::FindDirectChildrenOnly))
        new OpacityRestatement(window);
    window.setWindowOpacity(alpha / 255.0);
}

std::uint8_t windowAlpha(const QWidget &window)
{
    return std::uint8_t(qRound(window.windowOpacity() * 255));
}

} // namespace platform

#include "WindowOpacity.moc"
