#include "clock/ReadoutLabel.h"

#include "clock/ClockAccessibility.h"

#include <QAccessible>
#include <QGlyphRun>
#include <QMouseEvent>
#include <QPainter>

namespace clockwindow {

namespace {
/// No wrapping: a label's one line is as long as its text.
constexpr qreal unlimitedLineWidth = 0x01000000;
} // namespace

ReadoutLabel::ReadoutLabel(const QString &caption, QWidget *parent)
    : QWidget(parent)
{
    setContextMenuPolicy(Qt::PreventContextMenu);
    m_layout.setCacheEnabled(true);
    layOut(caption);
}

void ReadoutLabel::setText(const QString &caption)
{
    if (caption == text())
        return;
    const QList<PlacedGlyph> before = m_glyphs;
    layOut(caption);
    if (isVisible())
        update(changedArea(before, m_glyphs));
    if (m_announcement && m_announcement->isVisible())
        m_announcement->hide(); // what it said is no longer shown
    // Only while an assistive technology listens: the clock's second must stay cheap.
    // A label has no value to a screen reader: its name is what it reads, so the name changes.
    if (QAccessible::isActive() && isVisible()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void ReadoutLabel::layOut(const QString &caption)
{
    // As QPainter::drawText lays out a label's text: one unwrapped line at the top, in the font
    // as it is for this widget's screen.
    m_layout.setText(caption);
    m_layout.setFont(QFont(font(), this));
    QTextOption option(Qt::AlignLeft);
    option.setTextDirection(layoutDirection());
    m_layout.setTextOption(option);
    m_layout.beginLayout();
    QTextLine line = m_layout.createLine();
    if (line.isValid())
        line.setLineWidth(unlimitedLineWidth);
    m_layout.endLayout();
    m_glyphs.clear();
    if (!line.isValid())
        return;
    // Left-aligned text starts at the right edge where the program runs right to left.
    if (layoutDirection() == Qt::RightToLeft)
        line.setPosition(QPointF(width() - line.horizontalAdvance(), 0));
    for (const QGlyphRun &run : m_layout.glyphRuns()) {
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i)
            m_glyphs.append({run.rawFont(), indexes.at(i), positions.at(i)});
    }
}

QRect ReadoutLabel::changedArea(const QList<PlacedGlyph> &before, const QList<PlacedGlyph> &after) const
{
    // A second usually changes one digit: only glyphs that changed or moved are repainted, with a
    // pixel of room for antialiasing.
    QRect changed;
    for (const auto &[from, to] : {std::pair{&before, &after}, {&after, &before}}) {
        for (const PlacedGlyph &glyph : *from) {
            if (!to->contains(glyph))
                changed |= glyph.font.boundingRect(glyph.index).translated(glyph.position).toAlignedRect().adjusted(-1, -1, 1, 1);
        }
    }
    return changed;
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
    // The other readout was the screen reader's focus on the active clock; now this one is.
    if (window()->isActiveWindow())
        tellScreenReaderOfFocus(*this);
    QWidget::showEvent(event);
}

void ReadoutLabel::paintEvent(QPaintEvent *)
{
    if (m_drawnByWindow)
        return;
    QPainter painter(this);
    drawText(painter);
}

void ReadoutLabel::drawText(QPainter &painter) const
{
    painter.save();
    painter.setPen(palette().color(QPalette::WindowText));
    m_layout.draw(&painter, QPointF());
    painter.restore();
}

void ReadoutLabel::resizeEvent(QResizeEvent *event)
{
    layOut(text()); // where the text starts may depend on the width
    QWidget::resizeEvent(event);
}

void ReadoutLabel::changeEvent(QEvent *event)
{
    // A font change comes also with a move to a screen of another resolution.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LayoutDirectionChange) {
        layOut(text());
        update();
    }
    QWidget::changeEvent(event);
}

} // namespace clockwindow
