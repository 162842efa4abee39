#include "platform/window/Stacking.h"

#include <QWidget>
#include <QWindow>

namespace platform {

void placeInStackingOrder(QWidget &window, StackingOrder order)
{
    const QRect geometry = window.geometry();
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, order == StackingOrder::InFront);
    if (flags != window.windowFlags()) {
        // QWidget::setWindowFlags would hide and re-create the window (a visible flicker and a
        // lost opacity); telling the existing native window keeps it mapped where it is.
        window.overrideWindowFlags(flags);
        // The native window's own type may differ from the widget's (see KeepOnDesktop).
        if (QWindow *handle = window.windowHandle())
            handle->setFlag(Qt::WindowStaysOnTopHint, order == StackingOrder::InFront);
    }
    window.setGeometry(geometry);
    window.raise();
    window.activateWindow();
}

bool isKeptInFront(const QWidget &window)
{
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

} // namespace platform
