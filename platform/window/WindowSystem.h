#pragma once

#include <QPoint>
#include <QString>

class QWidget;

/// Which window system the program runs on, and what that window system lets a client do.
namespace platform::windowSystem {

/// Picks the window system before the application object exists. The user's own choice
/// (QT_QPA_PLATFORM) always wins; otherwise X11 whenever an X display answers (XWayland in a
/// Wayland session keeps placement, stacking and opacity), else native Wayland. Returns why the
/// program cannot run (no display at all, or one that does not answer), or nothing.
[[nodiscard]] QString choose();
/// Lets go of what choose() held open to ask the display, once Qt has its own connection.
void releaseDisplayProbe();

/// False where the compositor alone places windows (native Wayland): a client cannot put its
/// window anywhere or keep it in front.
[[nodiscard]] bool clientPlacesWindows();
/// False where a window cannot be given one opacity for all its pixels (native Wayland).
[[nodiscard]] bool hasWindowOpacity();

/// Moves a top-level window to a desktop position, where the window system allows it.
void placeWindow(QWidget &window, QPoint desktopPixels);
/// Moves a top-level window, frame and all, by the least distance that puts it wholly on a screen
/// (placeOnScreens), where the window system allows it; one wholly on a screen stays where it is.
void keepOnScreen(QWidget &window);

} // namespace platform::windowSystem
