// What any Qt Widgets window pays to change one pixel once a second: the clock's frameless
// window at 35 % opacity, one 1 s timer, one pixel repainted. Same event loop and X transport as
// the clock (Qt's own dispatcher, no shared memory), so the difference to the clock is drawing.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class OnePixelTick : public QWidget
{
public:
    OnePixelTick()
        : QWidget(nullptr, Qt::FramelessWindowHint)
    {
        setFixedSize(178, 167);
        setWindowOpacity(0.35);
        connect(&timer, &QTimer::timeout, this, [this] {
            shade = 255 - shade;
            update(0, 0, 1, 1);
        });
        timer.start(1000);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(0, 0, 1, 1, QColor(shade, shade, shade));
    }

private:
    QTimer timer;
    int shade = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_NO_GLIB", "1");
    qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication application(argc, argv);
    OnePixelTick window;
    window.show();
    return application.exec();
}
