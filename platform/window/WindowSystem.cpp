#include "platform/window/WindowSystem.h"

#include "platform/window/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace platform::windowSystem {

bool clientPlacesWindows()
{
    return !QGuiApplication::platformName().startsWith(u"wayland"_s);
}

bool hasWindowOpacity()
{
    return clientPlacesWindows();
}

void placeWindow(QWidget &window, QPoint desktopPixels)
{
    // Under a compositor that places windows itself, a position the client makes up would only
    // mislead it: pop-ups would open that far from the pointer.
    if (clientPlacesWindows())
        window.move(desktopPixels);
}

void keepOnScreen(QWidget &window)
{
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->geometry()); // the whole screen, as the start-up placement takes it
    const QRect frame = window.frameGeometry();
    if (const QPoint place = placeOnScreens(frame, screens); place != frame.topLeft())
        placeWindow(window, place);
}

} // namespace platform::windowSystem
