#include "platform/forms/FormApplication.h"

#include "platform/forms/FormAccessibility.h"
#include "platform/forms/FormRuntime.h"
#include "platform/forms/FormStyle.h"
#include "platform/window/ScreenChanges.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/X11Window.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace platform {

FormApplication::FormApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    windowSystem::releaseDisplayProbe();
    setApplicationName(u"pomuri"_s);
    setApplicationVersion(u"1.0.0.0"_s);
    setDesktopFileName(u"com.example.pomuri"_s);
    // Read as the BMP it is: left to guess, Qt would load every image plugin to ask each one.
    QImageReader icon(u":/pomuri/pomuri.bmp"_s, "bmp");
    icon.setAutoDetectImageFormat(false);
    setWindowIcon(QIcon(QPixmap::fromImage(icon.read())));
    // The clock has no taskbar entry; closing a dialog must not end the program.
    setQuitOnLastWindowClosed(false);
    setStyle(new FormStyle);
    // A screen unplugged, shrunk or rescaled must not leave a form where nobody can see it.
    connect(&windowSystem::ScreenChanges::instance(), &windowSystem::ScreenChanges::changed, this,
            &FormRuntime::keepFormsOnScreen);
    installFormAccessibility();
    // Qt's own texts (context menus, message-box buttons) in the user's language: built into the
    // program where Qt is (Windows), else from the system's Qt.
    auto *qtTexts = new QTranslator(this);
    for (const QString &folder : {u":/pomuri/translations"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (qtTexts->load(QLocale(), u"qtbase"_s, u"_"_s, folder)) {
            installTranslator(qtTexts);
            break;
        }
    }
}

bool FormApplication::notify(QObject *receiver, QEvent *event)
{
    // On X11 an open menu holds the keyboard and the pointer: the program cannot really have lost
    // them. Yet the window manager's focus changes around a click (a dialog minimised just before,
    // the clock activated by the click itself) can make Qt take the program for inactive just
    // after the menu opened, and Qt then closes every menu: it flashed and was gone. A click
    // elsewhere or Escape still closes it.
    if (event->type() == QEvent::ApplicationDeactivate && activePopupWidget() && x11Window::isX11())
        return true;
    // Every event passes here: no wrapper, the catch costs only when something escapes.
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        FormRuntime::reportEscapedError(std::current_exception());
        return false;
    }
}

} // namespace platform
