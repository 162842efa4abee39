#pragma once

#include <QPointer>
#include <QWidget>

#include <exception>
#include <functional>

class QMenu;

namespace platform {

class RuntimeError;

/// How a pop-up menu was asked for: from the keyboard its first item is selected, so that the
/// keyboard (and a screen reader) starts on it; from the mouse nothing is.
enum class MenuOpenedBy { Mouse, Keyboard };

/// Base of the program's forms. A form is loaded (created, its load handler run) on first
/// reference, shown modeless and without owner, hidden with its values kept, and unloaded
/// (destroyed) by its title-bar close or by unload().
class Form : public QWidget
{
    Q_OBJECT
public:
    explicit Form(Qt::WindowFlags flags = {});

    /// True once unloaded: the next reference creates the form afresh.
    [[nodiscard]] bool isUnloaded() const { return m_unloaded; }

protected:
    /// Runs once, right after the form is created and before it is first shown.
    virtual void Form_Load() {}
    /// A title-bar close unloads the form.
    void closeEvent(QCloseEvent *event) override;

private:
    friend class FormRuntime;
    bool m_unloaded = false;
};

/// The form runtime's operations on forms and on the program as a whole.
class FormRuntime
{
public:
    /// Shows a form modeless; a form already shown, even minimised, comes to the front, active.
    static void show(QWidget &form);
    /// Hides a form; when the start-up form is left alone, it becomes active.
    static void hide(QWidget &form);
    static void unload(Form &form);
    /// Pops a menu up at a desktop position and returns once it has closed and its chosen
    /// item's handler has run.
    static void popUpMenu(QMenu &menu, QPoint globalPosition, MenuOpenedBy openedBy = MenuOpenedBy::Mouse);
    /// Ends the program at once: every window closes and the event loop exits with status.
    static void end(int status = 0);
    [[nodiscard]] static bool hasEnded();
    [[nodiscard]] static int exitStatus();
    /// Destroys every form that is still loaded (at the end of the run, and between tests).
    static void unloadAll();
    /// Brings every form that has been placed, shown or hidden, wholly onto a screen again: called
    /// whenever the screens change.
    static void keepFormsOnScreen();
    /// Forgets an earlier end(), so that a test can start the program again in one process.
    static void resetForTests();

    /// Loads the start-up form and shows it, unless its load handler ended the program; true when
    /// the program goes on to its event loop.
    template <typename F>
    static bool start();

    /// Runs a handler; a run-time error escaping it is reported and ends the program non-zero.
    static void runHandler(const std::function<void()> &handler);
    /// Reports whatever escaped a handler as a run-time error.
    static void reportEscapedError(const std::exception_ptr &escaped);
    /// Reports a run-time error in a message box captioned with the application title, then ends.
    static void reportRuntimeError(const RuntimeError &error);

    static constexpr int runtimeErrorExitStatus = 1;

    template <typename>
    friend class DefaultInstance;

private:
    static void load(Form &form) { form.Form_Load(); }
    static void settleAfterStart(QWidget *startupForm);
    /// After a form went away: if the start-up form is the program's only window left, it becomes
    /// the active window, so the keyboard and a screen reader are on the program, not on nothing.
    static void returnFocusToProgram(const QWidget &goneForm);
};

/// The one instance of a form the whole program refers to; created and loaded, hidden, on first use.
template <typename F>
class DefaultInstance
{
public:
    [[nodiscard]] static F &get()
    {
        if (!exists())
            create();
        return *instance;
    }
    [[nodiscard]] static bool exists() { return instance && !instance->isUnloaded(); }

private:
    static void create();
    static inline QPointer<F> instance;
};

template <typename F>
F &defaultInstance()
{
    return DefaultInstance<F>::get();
}

template <typename F>
void DefaultInstance<F>::create()
{
    instance = new F;
    FormRuntime::load(*instance);
}

template <typename F>
bool FormRuntime::start()
{
    QWidget *startupForm = nullptr;
    runHandler([&startupForm] {
        F &form = defaultInstance<F>();
        if (!hasEnded()) {
            show(form);
            startupForm = &form;
        }
    });
    settleAfterStart(startupForm);
    return !hasEnded();
}

} // namespace platform
