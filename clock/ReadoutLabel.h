#pragma once

#include "clock/ReadoutText.h"

#include <QWidget>

class QPainter;

namespace clockwindow {

class Announcement;

/// A digital readout on the clock face: one line of text, left and top aligned, on a transparent
/// or an opaque background.
///
/// Unlike a plain label it keeps the mouse to itself, so a press on it never drags the clock or
/// opens its menu; it reports the release instead. Shown on the active clock, it is where a screen
/// reader's focus is, though the keyboard's stays with the clock. Its text is laid out and drawn as
/// Qt lays out and draws a label's (ReadoutText); a new text repaints only what changed, and a
/// hidden readout is laid out only when it shows.
class ReadoutLabel : public QWidget
{
    Q_OBJECT
public:
    explicit ReadoutLabel(const QString &caption, QWidget *parent);

    void setText(const QString &caption);
    [[nodiscard]] QString text() const { return m_text; }
    /// Has a screen reader say caption now, as it is shown until the next setText: a notification
    /// appears with it. The readout's name changes every second, which screen readers rightly
    /// leave unsaid.
    void announce(const QString &caption);

    /// Draws the text where it reaches into area, the readout's top-left corner at the painter's origin.
    void drawText(QPainter &painter, const QRect &area) const;
    /// Leaves the drawing to the window, which then calls drawText itself.
    void setDrawnByWindow(bool drawnByWindow) { m_drawnByWindow = drawnByWindow; }

    /// Opaque (the form's button-face colour behind the text) or transparent.
    void setTransparentBackground(bool transparent);
    [[nodiscard]] bool hasTransparentBackground() const { return !autoFillBackground(); }

Q_SIGNALS:
    void released(Qt::MouseButton button);

protected:
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    /// The font as it is for this widget's screen, the reading direction and the size, whenever
    /// one of them changes.
    void takeFormat();

    QString m_text;
    ReadoutText m_shown;
    Announcement *m_announcement = nullptr;
    bool m_drawnByWindow = false;
};

} // namespace clockwindow
