#include "TestSupport.h"

#include "platform/ScreenMetrics.h"

#include <QApplication>
#include <QTimer>

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
