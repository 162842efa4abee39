// The toolkit's floor: the least a Qt Widgets clock with seconds can be. One frameless window,
// a blue circle, three lines and a label, all refreshed by one 1 s timer, at 35 % opacity.
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QTime>
#include <QTimer>
#include <QWidget>

#include <cmath>

namespace {

class FloorClock : public QWidget
{
public:
    FloorClock()
        : QWidget(nullptr, Qt::FramelessWindowHint)
        , label(this)
    {
        setFixedSize(178, 167);
        setWindowOpacity(0.35);
        label.setGeometry(48, 104, 89, 25);
        const auto showTime = [this] {
            label.setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
            update();
        };
        // A clock shows the time from its first frame: its font is loaded during start-up.
        showTime();
        connect(&timer, &QTimer::timeout, this, showTime);
        timer.start(1000);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), Qt::white);
        painter.setBrush(Qt::blue);
        painter.drawEllipse(8, 0, 161, 161);
        const QTime now = QTime::currentTime();
        const auto hand = [&](double degrees, int length) {
            const double radians = (degrees - 90) * M_PI / 180;
            painter.drawLine(QPointF(88, 80), QPointF(88 + std::cos(radians) * length, 80 + std::sin(radians) * length));
        };
        painter.setPen(QPen(Qt::red, 2));
        hand(now.hour() % 12 * 30 + now.minute() / 2.0, 45);
        hand(now.minute() * 6, 60);
        painter.setPen(Qt::white);
        hand(now.second() * 6, 60);
    }

private:
    QLabel label;
    QTimer timer;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    FloorClock clock;
    clock.show();
    return application.exec();
}
