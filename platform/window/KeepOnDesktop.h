#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace platform {

/// Keeps a window that has no taskbar entry on the desktop: it asks the window manager not to
/// offer iconify or maximise for it, and should one do either anyway, puts the window straight
/// back where it was.
class KeepOnDesktop : public QObject
{
public:
    explicit KeepOnDesktop(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void restore();

    QWidget &m_window;
    QPoint m_place;
};

} // namespace platform
