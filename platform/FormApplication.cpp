#include "platform/FormApplication.h"

#include "platform/FormRuntime.h"
#include "platform/FormStyle.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace platform {

FormApplication::FormApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(u"pomuri"_s);
    setApplicationVersion(u"1.0.0.0"_s);
    setDesktopFileName(u"com.example.pomuri"_s);
    setWindowIcon(QIcon(u":/pomuri/pomuri.png"_s));
    // The clock has no taskbar entry; closing a dialog must not end the program.
    setQuitOnLastWindowClosed(false);
    setStyle(new FormStyle);
    // Qt's own texts (context menus, message-box buttons) in the user's language.
    auto *qtTexts = new QTranslator(this);
    if (qtTexts->load(QLocale(), u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(qtTexts);
}

bool FormApplication::notify(QObject *receiver, QEvent *event)
{
    // Every event passes here: no wrapper, the catch costs only when something escapes.
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        FormRuntime::reportEscapedError(std::current_exception());
        return false;
    }
}

} // namespace platform
