#include "TestSupport.h"

#include "clock/Form1.h"
#include "platform/ScreenMetrics.h"

#include <QApplication>
#include <QTimer>

#include <cmath>
#include <numbers>

FixedClock::FixedClock(QDateTime moment)
    : m_moment(std::move(moment))
{
    platform::ClockSource::install(this);
}

FixedClock::~FixedClock()
{
    platform::ClockSource::install(nullptr);
}

QDateTime today(int hour, int minute, int second)
{
    return QDateTime(QDate(2026, 12, 6), QTime(hour, minute, second));
}

bool handPointsAt(const HandLine &line, double degreesFromTwelve, int length)
{
    const double radians = (degreesFromTwelve - 90) * std::numbers::pi / 180;
    return std::abs(line.x1 - (88 + std::cos(radians) * length)) < 1e-3
        && std::abs(line.y1 - (80 + std::sin(radians) * length)) < 1e-3;
}

void pinScreen1024x768()
{
    platform::ScreenMetrics screen;
    screen.widthTwips = 1024 * 15;
    screen.heightTwips = 768 * 15;
    platform::ScreenMetrics::override(screen);
}

void resetForms()
{
    platform::FormRuntime::unloadAll();
    platform::FormRuntime::resetForTests();
}

void whenModalAppears(std::function<void(QWidget *)> action)
{
    auto *poll = new QTimer;
    auto deadline = std::make_shared<int>(500);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, deadline, action = std::move(action)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal || --*deadline == 0) {
            poll->stop();
            poll->deleteLater();
            if (modal)
                action(modal);
        }
    });
    poll->start(10);
}
