#pragma once

#include "clock/Form1.h"
#include "clock/HandGeometry.h"
#include "clock/ReadoutLabel.h"
#include "menu/Form2.h"
#include "menu/Form3.h"
#include "platform/time/ClockSource.h"
#include "platform/forms/FormApplication.h"
#include "platform/forms/FormRuntime.h"
#include "platform/forms/ScreenMetrics.h"
#include "platform/forms/SingleInstance.h"
#include "platform/window/WindowSystem.h"

#include "settings/Form4.h"

// Each test works with the forms and Qt's widgets as a whole.
#include <QtTest>
#include <QtWidgets>

#include <cmath>
#include <functional>
#include <numbers>

/// A clock that shows the time the test sets, installed for the test's lifetime.
class FixedClock final : public platform::ClockSource
{
public:
    explicit FixedClock(QDateTime moment) : m_moment(std::move(moment)) { install(this); }
    ~FixedClock() override { install(nullptr); }
    QDateTime now() const override { return m_moment; }
    void set(QDateTime moment) { m_moment = std::move(moment); }
    void advance(int seconds) { m_moment = m_moment.addSecs(seconds); }

private:
    QDateTime m_moment;
};

/// A time of the day the tests take as today.
[[nodiscard]] inline QDateTime today(int hour, int minute, int second) { return {QDate(2026, 12, 6), QTime(hour, minute, second)}; }

/// Whether a hand's free end is where plain geometry puts a hand of this length at this clockwise
/// angle from twelve o'clock (fixed end at the face's centre, 88, 80).
[[nodiscard]] inline bool handPointsAt(clockwindow::HandEnd end, double degreesFromTwelve, int length)
{
    const double radians = (degreesFromTwelve - 90) * std::numbers::pi / 180;
    return std::abs(end.x - (88 + std::cos(radians) * length)) < 1e-3 && std::abs(end.y - (80 + std::sin(radians) * length)) < 1e-3;
}

/// One second of the clock: its timers' handlers in the order they fire.
inline void tick(Form1 &form) { form.Timer2_Timer(); form.Timer4_Timer(); form.Timer1_Timer(); }

/// A mouse move to local with the buttons held (QTest's moves the cursor, not the buttons).
void moveMouse(QWidget &widget, QPoint local, Qt::MouseButtons held);

/// Pins the primary screen to 1024 x 768 pixels at 15 twips per pixel.
inline void pinScreen1024x768() { platform::ScreenMetrics::override(platform::ScreenMetrics{1024 * 15, 768 * 15, 15, 15, {}}); }

/// Every form unloaded and the program's end forgotten, so the next test starts from nothing.
inline void resetForms() { platform::FormRuntime::unloadAll(); platform::FormRuntime::resetForTests(); }

/// What is selected in the pop-up menu that open() pops up, once a keyboard selection has had
/// time to be made ("nothing", or "no menu" when none opened), and where it opened; the menu is
/// then closed.
[[nodiscard]] QString selectedInMenuOpenedBy(const std::function<void()> &open, QRect *where = nullptr);

/// Runs action once the next modal dialog is up, passing it the dialog; gives up after five seconds.
void whenModalAppears(std::function<void(QWidget *)> action, int triesLeft = 500);

/// What the window shows now (its backing store), and what a complete repaint would show.
[[nodiscard]] QImage shownPixels(QWidget &window);
[[nodiscard]] inline QImage freshPixels(QWidget &window) { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }

/// Whether image equals the reference picture tests/<name>.png. A missing picture is written from
/// image, to be looked at and committed; on a mismatch image is saved as <name>-actual.png here.
[[nodiscard]] bool matchesReference(const QImage &image, const QString &name);

/// The program's window-system settings and application object, a private lock directory, and
/// Qt Test's runner.
#define POMURI_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char *argv[])                                                             \
    {                                                                                            \
        if (const QString problem = platform::windowSystem::choose(); !problem.isEmpty())        \
            qFatal("%s", qUtf8Printable(problem));                                               \
        QTemporaryDir runtimeDirectory;                                                          \
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDirectory.path()));                  \
        platform::FormApplication application(argc, argv);                                       \
        TestObject test;                                                                         \
        const int failures = QTest::qExec(&test, argc, argv);                                    \
        platform::FormRuntime::unloadAll();                                                      \
        platform::SingleInstance::release();                                                     \
        return failures;                                                                         \
    }
