#pragma once

#include "platform/forms/FormRuntime.h"
#include "platform/window/WindowDrag.h"
#include "platform/forms/Twips.h"

#include <QColor>
#include <QDateTime>
#include <QPixmap>
#include <QString>

#include <cstdint>
#include <optional>

namespace clockwindow {
class ReadoutLabel;
}
namespace platform {
class FormTimer;
}

/// One of the clock's hands: a straight line whose fixed end is the face's centre.
struct HandLine
{
    float x1;
    float y1;
    float x2;
    float y2;
    QColor color;
    int width;
};

/// The clock window: a borderless round face with three hands and a 24-hour or 12-hour readout,
/// translucent as a whole. It is the start-up form.
class Form1 : public platform::Form
{
    Q_OBJECT
public:
    Form1();
    ~Form1() override;

    /// Applies a translucency percentage (0 invisible, 100 opaque) to the whole window.
    void ColorDataChange(std::int32_t &percent);

    // The timers' and the readouts' handlers; the timers call them, and so may tests.
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Label1_MouseUp();
    void Label2_MouseUp();
    /// A press on the face, a hand or the background: left drags, right opens the menu.
    void Form_MouseDown(Qt::MouseButton button, QPoint globalPosition);

    clockwindow::ReadoutLabel *Label1;
    clockwindow::ReadoutLabel *Label2;
    platform::FormTimer *Timer1;
    platform::FormTimer *Timer2;
    platform::FormTimer *Timer3;
    platform::FormTimer *Timer4;
    platform::FormTimer *Timer5;

    HandLine Line1; ///< hour hand
    HandLine Line2; ///< minute hand
    HandLine Line3; ///< second hand

    [[nodiscard]] const QString &currentTimeTextValue() const { return currentTimeText; }
    [[nodiscard]] std::int32_t opacityPercentValue() const { return opacityPercent; }

    static constexpr int clientWidthTwips = 2670;
    static constexpr int clientHeightTwips = 2505;
    static constexpr platform::TwipsRect Shape1Box{0, 0, 2655, 2415};
    static constexpr platform::TwipsRect Label1Rect{720, 1560, 1335, 375};
    static constexpr platform::TwipsRect Label2Rect{600, 1560, 1575, 375};
    static constexpr int Shape1BorderWidth = 2;
    static constexpr QColor faceColor{0, 0, 255};
    static constexpr QColor readoutColor{0, 255, 0};

protected:
    void Form_Load() override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    /// The Menu key and Shift+F10 open the pop-up menu at the clock, as a right-click does; Space
    /// and Enter show the date, as a click on the readout does.
    void keyPressEvent(QKeyEvent *event) override;
    /// Once active, a screen reader is told the readout is where it reads.
    void changeEvent(QEvent *event) override;

private:
    /// The white background, the face and the hour hand, kept in one picture: the hour hand
    /// moves once a minute, so they are drawn then and not every second.
    [[nodiscard]] const QPixmap &dialImage();
    void drawScene(QPainter &painter, const QRegion &exposed);
    void drawFace(QPainter &painter) const;
    static void drawHand(QPainter &painter, const HandLine &line);
    void moveHand(HandLine &line, float x1, float y1);
    /// Reads the clock once and makes currentTimeText from it, keeping the time it shows.
    void refreshCurrentTimeText();

    QString currentTimeText;
    QString currentTime12Text;
    QString currentDateText;
    std::int32_t opacityPercent = 0;
    QString lastShownTime;
    /// The moment currentTimeText was made from; the hands read their time from it.
    QTime currentTime;
    platform::WindowDrag drag;
    QPixmap dialCache;
    QPointF dialHourEnd;
    /// Set where the window system has no whole-window opacity: the window then paints its
    /// translucency into its own pixels.
    std::optional<std::uint8_t> paintedAlpha;
};
