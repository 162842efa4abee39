#pragma once

#include <QWidget>

/// What assistive technology is told of the clock: the window and its visible readout carry the
/// text the readout shows (time or date) as their value, and the readout as its name.
namespace clockwindow {

void installClockAccessibility();

/// Tells assistive technology that the readout, shown on the active clock, is where it reads: the
/// clock keeps the keyboard focus itself (a child taking it races the window manager's focus
/// changes against pop-up menus), so a screen reader is told in so many words.
void tellScreenReaderOfFocus(QWidget &readout);

/// A notification for screen readers, said as it appears; it draws nothing.
class Announcement : public QWidget
{
    Q_OBJECT
public:
    explicit Announcement(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    /// Its text, for when it next appears: a hidden notification's name changes silently.
    void setText(const QString &text) { m_text = text; }
    [[nodiscard]] QString text() const { return m_text; }

private:
    QString m_text;
};

} // namespace clockwindow
