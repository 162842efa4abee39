#include "platform/forms/FormRuntime.h"

#include "platform/forms/MessageBox.h"
#include "platform/forms/RuntimeError.h"
#include "platform/window/WindowSystem.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMetaObject>
#include <QPixmapCache>
#include <QScreen>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace platform {

namespace {
constexpr int menuSelectionFallbackMs = 200;
bool ended = false;
int endStatus = 0;
bool reporting = false;
QPointer<QWidget> startupFormShown;
} // namespace

Form::Form(Qt::WindowFlags flags)
    : QWidget(nullptr, flags)
{
}

void Form::closeEvent(QCloseEvent *event)
{
    event->accept();
    FormRuntime::unload(*this);
}

void FormRuntime::show(QWidget &form)
{
    if (!form.testAttribute(Qt::WA_WState_ExplicitShowHide) && !form.testAttribute(Qt::WA_Moved)) {
        // A form no one has placed opens in the middle of the screen, as most window managers
        // put a new dialog. KWin would centre it on another window of the program (the clock),
        // where a clock kept in front would cover it.
        QRect placed({}, form.frameSize());
        placed.moveCenter(form.screen()->availableGeometry().center());
        windowSystem::placeWindow(form, placed.topLeft());
    }
    form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
    form.show();
    form.raise();
    form.activateWindow();
}

void FormRuntime::hide(QWidget &form)
{
    form.hide();
    returnFocusToProgram(form);
}

void FormRuntime::returnFocusToProgram(const QWidget &goneForm)
{
    if (ended || !startupFormShown || &goneForm == startupFormShown)
        return;
    // Once the window system has taken the form away: a window manager gives the focus to some
    // window of its choice then, or to none.
    QTimer::singleShot(0, startupFormShown.data(), [] {
        QWidget *startup = startupFormShown;
        if (ended || !startup->isVisible())
            return;
        for (const QWidget *window : QApplication::topLevelWidgets()) {
            if (window != startup && window->isVisible())
                return;
        }
        startup->raise();
        startup->activateWindow();
    });
}

void FormRuntime::unload(Form &form)
{
    if (form.m_unloaded)
        return;
    form.m_unloaded = true;
    form.hide();
    returnFocusToProgram(form);
    // The unload may come from one of the form's own handlers, still on the stack.
    form.deleteLater();
}

void FormRuntime::settleAfterStart(QWidget *startupForm)
{
    startupFormShown = startupForm;
    // Showing a window puts its icon into Qt's pixmap cache, whose flush timer would then wake the
    // idle program every half minute; nothing else needs those pixmaps again.
    QPixmapCache::clear();
}

void FormRuntime::popUpMenu(QMenu &menu, QPoint globalPosition, MenuOpenedBy openedBy)
{
    QMetaObject::Connection selectFirst;
    QTimer fallback;
    if (openedBy == MenuOpenedBy::Keyboard && !menu.actions().isEmpty()) {
        // Once the menu has the keyboard (showing it clears any selection made before). Qt then
        // tells assistive technology that the window under the menu is active; told so after the
        // selection, a screen reader would leave the menu for that window.
        const auto select = [&menu] {
            if (!menu.activeAction())
                menu.setActiveAction(menu.actions().constFirst());
        };
        selectFirst = QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, &menu,
                                       [&menu, select](QWindow *focus) {
                                           if (focus && focus == menu.windowHandle())
                                               select();
                                       });
        // Where the window system never gives a menu the keyboard.
        fallback.setSingleShot(true);
        QObject::connect(&fallback, &QTimer::timeout, &menu, select);
        fallback.start(menuSelectionFallbackMs);
    }
    menu.exec(globalPosition);
    QObject::disconnect(selectFirst);
}

void FormRuntime::end(int status)
{
    if (ended)
        return;
    ended = true;
    endStatus = status;
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(status);
}

bool FormRuntime::hasEnded()
{
    return ended;
}

int FormRuntime::exitStatus()
{
    return endStatus;
}

void FormRuntime::unloadAll()
{
    // Deleting one form may delete other top-level widgets it owns (its pop-up menu, say).
    QList<QPointer<Form>> forms;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<Form *>(window))
            forms.append(form);
    }
    for (const QPointer<Form> &form : forms) {
        if (form) {
            form->m_unloaded = true;
            delete form.data();
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void FormRuntime::keepFormsOnScreen()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        // A form never shown has no place yet: it opens where show() puts it.
        if (qobject_cast<Form *>(window) && window->testAttribute(Qt::WA_Moved))
            windowSystem::keepOnScreen(*window);
    }
}

void FormRuntime::resetForTests()
{
    if (ended) {
        // An exit requested with no loop running makes every later nested loop return at once;
        // only a run of the application's own loop clears that.
        QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        QCoreApplication::exec();
    }
    ended = false;
    endStatus = 0;
    reporting = false;
}

void FormRuntime::runHandler(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (...) {
        reportEscapedError(std::current_exception());
    }
}

void FormRuntime::reportEscapedError(const std::exception_ptr &escaped)
{
    try {
        std::rethrow_exception(escaped);
    } catch (const RuntimeError &error) {
        reportRuntimeError(error);
    } catch (const std::exception &error) {
        reportRuntimeError(RuntimeError(51, u"内部エラーです。(%1)"_s.arg(QString::fromLocal8Bit(error.what()))));
    } catch (...) {
        reportRuntimeError(RuntimeError(51, u"内部エラーです。"_s));
    }
}

void FormRuntime::reportRuntimeError(const RuntimeError &error)
{
    // One report is enough: timers keep firing while the box is open.
    if (reporting || ended)
        return;
    reporting = true;
    // Nothing half-updated stays on screen while the user reads the report.
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    MessageBox::critical(error.reportText(), QCoreApplication::applicationName());
    end(runtimeErrorExitStatus);
}

} // namespace platform
