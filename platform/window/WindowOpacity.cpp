#include "platform/window/WindowOpacity.h"

#include "platform/window/X11Window.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

// GNOME Shell (43) applies a window's opacity when its property changes, to the picture of the
// window it has at that moment; the picture it makes for a window some 10 to 80 ms after it is
// mapped starts opaque, and when that happens the program cannot see. So the value is written
// again when the window has been put on the screen, then every 25 ms for half a second.
class OpacityRestatement : public QObject
{
    Q_OBJECT

public:
    explicit OpacityRestatement(QWidget &window)
        : QObject(&window)
        , m_window(window)
    {
        window.installEventFilter(this);
        m_restatement.setInterval(restatementInterval);
        connect(&m_restatement, &QTimer::timeout, this, &OpacityRestatement::restate);
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
            m_restatementsLeft = restatements;
            restate();
            m_restatement.start();
        }
        return false;
    }

private:
    static constexpr int restatementInterval = 25;
    static constexpr int restatements = 500 / restatementInterval;

    void restate()
    {
        // Qt may have made the window's native window anew since it was shown.
        const bool shown = m_watchedHandle && m_window.isVisible();
        if (--m_restatementsLeft <= 0 || !shown)
            m_restatement.stop();
        if (shown)
            x11Window::restateProperty(*m_watchedHandle, "_NET_WM_WINDOW_OPACITY");
    }

    QWidget &m_window;
    QTimer m_restatement;
    int m_restatementsLeft = 0;
    QPointer<QWindow> m_watchedHandle;
    bool m_mappedSinceShown = false;
};

} // namespace

void setWindowAlpha(QWidget &window, std::uint8_t alpha)
{
    // Asked of the window manager once: no other one needs the restatement and its wake-ups.
    static const bool restated = x11Window::windowManagerName() == "GNOME Shell";
    if (restated && !window.findChild<OpacityRestatement *>(QString(), Qt::FindDirectChildrenOnly))
        new OpacityRestatement(window);
    window.setWindowOpacity(alpha / 255.0);
}

std::uint8_t windowAlpha(const QWidget &window)
{
    return std::uint8_t(qRound(window.windowOpacity() * 255));
}

} // namespace platform

#include "WindowOpacity.moc"
