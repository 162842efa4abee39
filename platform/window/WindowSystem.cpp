#include "platform/window/WindowSystem.h"

#include <QGuiApplication>
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

} // namespace platform::windowSystem
