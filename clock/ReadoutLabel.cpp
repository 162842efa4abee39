#include "clock/ReadoutLabel.h"

#include <QMouseEvent>

namespace clockwindow {

ReadoutLabel::ReadoutLabel(const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setContextMenuPolicy(Qt::PreventContextMenu);
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

void ReadoutLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT released(event->button());
}

} // namespace clockwindow
