#include "clock/ReadoutLabel.h"

#include "clock/ClockAccessibility.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace clockwindow {

ReadoutLabel::ReadoutLabel(const QString &caption, QWidget *parent)
    : QWidget(parent)
    , m_text(caption)
{
    setContextMenuPolicy(Qt::PreventContextMenu);
    takeFormat();
}

void ReadoutLabel::setText(const QString &caption)
{
    if (caption == m_text)
        return;
    m_text = caption;
    // A hidden readout changes every second too: it is laid out when it shows.
    if (isVisible())
        update(m_shown.setText(m_text));
    if (m_announcement && m_announcement->isVisible())
        m_announcement->hide(); // what it said is no longer shown
    // Only while an assistive technology listens: the clock's second must stay cheap.
    // A label has no value to a screen reader: its name is what it reads, so the name changes.
    if (QAccessible::isActive() && isVisible()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void ReadoutLabel::takeFormat()
{
    m_shown.setFormat(QFont(font(), this), layoutDirection(), size());
    if (isVisible()) {
        m_shown.setText(m_text);
        update();
    }
}

void ReadoutLabel::announce(const QString &caption)
{
    // Screen readers say a notification as it appears; nothing is drawn of it.
    if (!m_announcement) {
        m_announcement = new Announcement(this);
        m_announcement->setGeometry(0, 0, 0, 0);
    }
    m_announcement->hide();
    m_announcement->setText(caption);
    m_announcement->show();
}

void ReadoutLabel::setTransparentBackground(bool transparent)
{
    setAutoFillBackground(!transparent);
}

void ReadoutLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void ReadoutLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void ReadoutLabel::mouseMoveEvent(QMouseEvent *event)
{
    // Passed on, the clock would take it for a drag of its own whose release it missed.
    event->accept();
}

void ReadoutLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT released(event->button());
}

void ReadoutLabel::showEvent(QShowEvent *event)
{
    m_shown.setText(m_text);
    // The other readout was the screen reader's focus on the active clock; now this one is.
    if (window()->isActiveWindow())
        tellScreenReaderOfFocus(*this);
    QWidget::showEvent(event);
}

void ReadoutLabel::paintEvent(QPaintEvent *event)
{
    if (m_drawnByWindow)
        return;
    QPainter painter(this);
    drawText(painter, event->rect());
}

void ReadoutLabel::drawText(QPainter &painter, const QRect &area) const
{
    painter.save();
    painter.setPen(palette().color(QPalette::WindowText));
    m_shown.draw(painter, area);
    painter.restore();
}

void ReadoutLabel::resizeEvent(QResizeEvent *event)
{
    takeFormat();
    QWidget::resizeEvent(event);
}

void ReadoutLabel::changeEvent(QEvent *event)
{
    // A font change comes also with a move to a screen of another resolution.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LayoutDirectionChange)
        takeFormat();
    QWidget::changeEvent(event);
}

} // namespace clockwindow
