#pragma once

#include <QHash>
#include <QPixmap>
#include <QWidget>

class QPainter;

namespace clockwindow {

class Announcement;

/// A digital readout on the clock face: one line of text, left and top aligned, on a transparent
/// or an opaque background.
///
/// Unlike a plain label it keeps the mouse to itself, so a press on it never drags the clock or
/// opens its menu; it reports the release instead. Shown on the active clock, it is where a screen
/// reader's focus is, though the keyboard's stays with the clock. Its caption changes every second,
/// so setting it only marks the readout for repainting (nothing is laid out), and it draws the text
/// from images of the characters it has already shown.
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

    /// Draws the glyphs that reach into area, the text's top-left corner at the painter's origin.
    void drawText(QPainter &painter, const QRect &area);
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
    void changeEvent(QEvent *event) override;

private:
    /// A character's image, cropped to its ink, and where it goes relative to the pen position.
    struct Glyph
    {
        QPixmap image;
        QRect area; ///< relative to the pen at the readout's top-left corner
        qreal advance = 0;
    };
    const Glyph &glyph(QChar character);
    void dropGlyphsOfAnotherRatio();
    /// The pixels the glyph of character covers when the pen is at x.
    [[nodiscard]] QRect glyphArea(qreal x, QChar character);
    [[nodiscard]] QRect changedArea(const QString &before, const QString &after);

    QString m_text;
    Announcement *m_announcement = nullptr;
    QHash<QChar, Glyph> m_glyphs;
    qreal m_glyphRatio = 0;
    bool m_drawnByWindow = false;
};

} // namespace clockwindow
