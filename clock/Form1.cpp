#include "clock/Form1.h"

#include "clock/ClockAccessibility.h"
#include "clock/HandGeometry.h"
#include "clock/Placement.h"
#include "clock/ReadoutLabel.h"
#include "clock/Translucency.h"
#include "platform/forms/CheckedArithmetic.h"
#include "platform/time/ClockSource.h"
#include "platform/forms/FormTimer.h"
#include "platform/window/KeepOnDesktop.h"
#include "platform/forms/LayoutFonts.h"
#include "platform/forms/MessageBox.h"
#include "platform/forms/ScreenMetrics.h"
#include "platform/forms/SingleInstance.h"
#include "platform/time/TimeTexts.h"
#include "platform/window/WindowOpacity.h"
#include "platform/window/WindowSystem.h"
#include "menu/Form2.h"
#include "settings/Form4.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;
using platform::px;

namespace {

constexpr HandLine hourHandLayout{px(1920), px(1200), px(1320), px(1200), QColor(192, 0, 0), 4};
constexpr HandLine minuteHandLayout{px(1320), px(240), px(1320), px(1200), QColor(255, 0, 0), 2};
constexpr HandLine secondHandLayout{px(1800), px(360), px(1320), px(1200), QColor(255, 255, 255), 1};

constexpr int Timer1LaidOutInterval = 100;
constexpr int Timer1RunningInterval = 1000;
constexpr int readoutInterval = 1000;
constexpr int Timer3Interval = 5000;

QString currentTimeOf(QString (*format)(const QDateTime &, const QLocale &))
{
    return format(platform::ClockSource::current().now(), QLocale());
}

/// The pixels a hand covers, with room for its width and antialiasing.
QRect handBounds(const HandLine &line)
{
    const QRectF span = QRectF(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2)).normalized();
    const int margin = line.width / 2 + 2;
    return span.toAlignedRect().adjusted(-margin, -margin, margin, margin);
}

clockwindow::ReadoutLabel *makeReadout(const QString &caption, const QRect &geometry, QWidget *parent)
{
    auto *label = new clockwindow::ReadoutLabel(caption, parent);
    label->setGeometry(geometry);
    label->setFont(platform::fonts::proportionalGothic(11.25, platform::fonts::Bold));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Form1::readoutColor);
    palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    label->setPalette(palette);
    return label;
}

} // namespace

Form1::Form1()
    : platform::Form(Qt::Tool | Qt::FramelessWindowHint)
    , Line1(hourHandLayout)
    , Line2(minuteHandLayout)
    , Line3(secondHandLayout)
    , drag(*this)
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"ぽむりの時計"_s);
    clockwindow::installClockAccessibility();
    setFixedSize(px(clientWidthTwips), px(clientHeightTwips));
    new platform::KeepOnDesktop(*this);
    if (platform::windowSystem::hasWindowOpacity()) {
        // paintEvent covers every pixel from the face cache, white background included.
        setAttribute(Qt::WA_OpaquePaintEvent);
    } else {
        setAttribute(Qt::WA_TranslucentBackground);
        paintedAlpha = 255;
    }

    Label1 = makeReadout(u"Label1"_s, Label1Rect.pixels(), this);
    Label1->setObjectName(u"Label1"_s);
    Label1->setTransparentBackground(false);
    Label2 = makeReadout(u"Label2"_s, Label2Rect.pixels(), this);
    Label2->setObjectName(u"Label2"_s);
    Label2->setTransparentBackground(true);
    Label2->hide();
    for (clockwindow::ReadoutLabel *readout : {Label1, Label2})
        readout->setDrawnByWindow(paintedAlpha.has_value());
    connect(Label1, &clockwindow::ReadoutLabel::released, this, &Form1::Label1_MouseUp);
    connect(Label2, &clockwindow::ReadoutLabel::released, this, &Form1::Label2_MouseUp);

    Timer1 = new platform::FormTimer(Timer1LaidOutInterval, this);
    Timer2 = new platform::FormTimer(readoutInterval, this);
    Timer3 = new platform::FormTimer(Timer3Interval, this);
    Timer4 = new platform::FormTimer(readoutInterval, this);
    Timer5 = new platform::FormTimer(0, this);
    connect(Timer1, &platform::FormTimer::timer, this, &Form1::Timer1_Timer);
    connect(Timer2, &platform::FormTimer::timer, this, &Form1::Timer2_Timer);
    connect(Timer3, &platform::FormTimer::timer, this, &Form1::Timer3_Timer);
    connect(Timer4, &platform::FormTimer::timer, this, &Form1::Timer4_Timer);
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    using platform::FormRuntime;

    const platform::ScreenMetrics screen = platform::ScreenMetrics::current();
    platform::windowSystem::placeWindow(*this, screen.desktopPixels(clockwindow::startPlacementTwips(screen)));

    opacityPercent = platform::checked::textToInt32(platform::defaultInstance<Form4>().values().Text1);
    ColorDataChange(opacityPercent);

    refreshCurrentTimeText();
    currentTime12Text = currentTimeOf(platform::timeTexts::time12);
    currentDateText = currentTimeOf(platform::timeTexts::shortDate);

    refreshCurrentTimeText();
    Label1->setText(currentTimeText);
    Label1->setTransparentBackground(true);
    // The notation choice is always still 24-hour here, so the readouts stay as they are.
    [[maybe_unused]] const bool twentyFourHour = platform::defaultInstance<Form4>().values().Option2;

    // From here on the window's coordinates are pixels, as every value in this form already is.

    Timer1->setInterval(Timer1RunningInterval);

    if (platform::SingleInstance::anotherCopyIsRunning()) {
        const QString title = QCoreApplication::applicationName();
        platform::MessageBox::exclamation(u"すでに「"_s + title + u"」は起動されています。"_s, title);
        FormRuntime::end(0);
    }
}

void Form1::ColorDataChange(std::int32_t &percent)
{
    opacityPercent = percent;
    const std::uint8_t alpha = clockwindow::alphaForPercent(opacityPercent);
    if (paintedAlpha)
        paintedAlpha = alpha;
    else
        platform::setWindowAlpha(*this, alpha);
    update();
}

void Form1::refreshCurrentTimeText()
{
    const QDateTime now = platform::ClockSource::current().now();
    currentTimeText = platform::timeTexts::time24(now);
    currentTime = now.time();
}

void Form1::Timer1_Timer()
{
    const QString shownTime = currentTimeText;
    if (shownTime == lastShownTime)
        return;
    lastShownTime = shownTime;

    using clockwindow::Hand;
    const auto moveTo = [this](HandLine &line, Hand hand) {
        const clockwindow::HandEnd end = clockwindow::handFreeEnd(hand, currentTime, line.x2, line.y2);
        moveHand(line, end.x, end.y);
    };
    moveTo(Line3, Hand::Second);
    moveTo(Line2, Hand::Minute);
    moveTo(Line1, Hand::Hour);
}

void Form1::Timer2_Timer()
{
    refreshCurrentTimeText();
    Label1->setText(currentTimeText);
    Timer2->setInterval(readoutInterval);
}

void Form1::Timer3_Timer()
{
}

void Form1::Timer4_Timer()
{
    currentTime12Text = currentTimeOf(platform::timeTexts::time12);
    Label2->setText(currentTime12Text);
    Timer4->setInterval(readoutInterval);
}

void Form1::Label1_MouseUp()
{
    currentDateText = currentTimeOf(platform::timeTexts::date);
    Label1->setText(currentDateText);
    Label1->announce(currentDateText);
    Timer3->setInterval(Timer3Interval);
}

void Form1::Label2_MouseUp()
{
    currentDateText = currentTimeOf(platform::timeTexts::date);
    Label2->setText(currentDateText);
    Label2->announce(currentDateText);
    Timer3->setInterval(Timer3Interval);
}

void Form1::moveHand(HandLine &line, float x1, float y1)
{
    if (line.x1 == x1 && line.y1 == y1)
        return;
    const QRect before = handBounds(line);
    line.x1 = x1;
    line.y1 = y1;
    update(before | handBounds(line));
}

void Form1::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!paintedAlpha) {
        drawScene(painter, event->region());
        return;
    }
    // The scene is drawn opaque first, so that the whole of it, readout included, is laid down
    // at one opacity, as a window opacity would.
    QPixmap scene(size() * devicePixelRatioF());
    scene.setDevicePixelRatio(devicePixelRatioF());
    QPainter scenePainter(&scene);
    drawScene(scenePainter, event->region());
    for (clockwindow::ReadoutLabel *readout : {Label1, Label2}) {
        const QRect area = event->region().boundingRect() & readout->geometry();
        if (readout->isVisible() && !area.isEmpty()) {
            scenePainter.translate(readout->pos());
            readout->drawText(scenePainter, area.translated(-readout->pos()));
            scenePainter.resetTransform();
        }
    }
    scenePainter.end();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(*paintedAlpha / 255.0);
    painter.drawPixmap(0, 0, scene);
}

void Form1::drawScene(QPainter &painter, const QRegion &exposed)
{
    // Rectangle by rectangle: one copy clipped to the whole region makes Qt's raster engine share
    // the work out to its thread pool, which costs more wake-ups than the copy.
    const QPixmap &dial = dialImage();
    const qreal ratio = dial.devicePixelRatio();
    for (const QRect &area : exposed)
        painter.drawPixmap(area, dial, QRectF(area.topLeft() * ratio, area.size() * ratio));
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn over the hour hand, in this order, exactly as if all three were drawn here.
    for (const HandLine *line : {&Line2, &Line3}) {
        if (exposed.intersects(handBounds(*line)))
            drawHand(painter, *line);
    }
}

const QPixmap &Form1::dialImage()
{
    const qreal ratio = devicePixelRatioF();
    const QPointF hourEnd(Line1.x1, Line1.y1);
    if (dialCache.isNull() || dialCache.devicePixelRatio() != ratio || dialHourEnd != hourEnd) {
        // Drawn afresh rather than copied from a picture of the bare face, which would hold
        // memory all day to save under a millisecond once a minute.
        if (dialCache.size() != size() * ratio)
            dialCache = QPixmap(size() * ratio);
        dialCache.setDevicePixelRatio(ratio);
        dialCache.fill(Qt::white);
        QPainter painter(&dialCache);
        painter.setRenderHint(QPainter::Antialiasing);
        drawFace(painter);
        drawHand(painter, Line1);
        dialHourEnd = hourEnd;
    }
    return dialCache;
}

void Form1::drawFace(QPainter &painter) const
{
    // The circle takes the smaller side of its box and is centred in it; the border lies inside.
    const QRectF box = Shape1Box.pixels();
    const qreal diameter = qMin(box.width(), box.height());
    QRectF circle(0, 0, diameter, diameter);
    circle.moveCenter(box.center());
    const qreal inset = Shape1BorderWidth / 2.0;
    painter.save();
    painter.setPen(QPen(Qt::black, Shape1BorderWidth));
    painter.setBrush(faceColor);
    painter.drawEllipse(circle.adjusted(inset, inset, -inset, -inset));
    painter.restore();
}

void Form1::drawHand(QPainter &painter, const HandLine &line)
{
    painter.save();
    // Odd widths sit on pixel centres so that an upright hand stays crisp.
    if (line.width % 2 == 1)
        painter.translate(0.5, 0.5);
    painter.setPen(QPen(line.color, line.width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
    painter.restore();
}

void Form1::closeEvent(QCloseEvent *event)
{
    // The window system closed the clock (Alt+F4 and the like): there is nothing to lose.
    event->accept();
    platform::FormRuntime::end(0);
}

void Form1::Form_MouseDown(Qt::MouseButton button, QPoint globalPosition)
{
    if (button == Qt::RightButton) {
        platform::FormRuntime::popUpMenu(*platform::defaultInstance<Form2>().mnuFile(Form2::mnuFileIndex), globalPosition);
        return; // The button is no longer held once the menu closes: nothing to drag.
    }
    if (button == Qt::LeftButton)
        drag.press(globalPosition);
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        platform::FormRuntime::popUpMenu(*platform::defaultInstance<Form2>().mnuFile(Form2::mnuFileIndex),
                                         mapToGlobal(rect().center()), platform::MenuOpenedBy::Keyboard);
    } else if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
        // What a click on the readout does, as a button takes Space and Enter.
        if (Label1->isVisible())
            Label1_MouseUp();
        else if (Label2->isVisible())
            Label2_MouseUp();
    } else {
        platform::Form::keyPressEvent(event);
    }
}

void Form1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        for (clockwindow::ReadoutLabel *readout : {Label1, Label2}) {
            if (readout->isVisible())
                clockwindow::tellScreenReaderOfFocus(*readout);
        }
    }
    platform::Form::changeEvent(event);
}

void Form1::mousePressEvent(QMouseEvent *event)
{
    Form_MouseDown(event->button(), event->globalPosition().toPoint());
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons().testFlag(Qt::LeftButton))
        drag.follow(event->globalPosition().toPoint());
}

void Form1::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        drag.release();
}
