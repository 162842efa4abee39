#include "clock/ReadoutLabel.h"

#include "clock/ClockAccessibility.h"

#include <QAccessible>
#include <QGlyphRun>
#include <QRawFont>
#include <QMouseEvent>
#include <QPainter>

namespace clockwindow {


ReadoutLabel::ReadoutLabel(const QString &caption, QWidget *parent)
    : QWidget(parent)
    , m_text(caption)
{
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void ReadoutLabel::setText(const QString &caption)
{
    if (caption == m_text)
        return;
    if (isVisible()) {
        dropGlyphsOfAnotherRatio();
        update(changedArea(m_text, caption));
    }
    m_text = caption;
    if (m_announcement && m_announcement->isVisible())
        m_announcement->hide(); // what it said is no longer shown
    // Only while an assistive technology listens: the clock's second must stay cheap.
    // A label has no value to a screen reader: its name is what it reads, so the name changes.
    if (QAccessible::isActive() && isVisible()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
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

QRect ReadoutLabel::changedArea(const QString &before, const QString &after)
{
    // A second usually changes one digit: only glyphs that changed or moved are repainted.
    QRect changed;
    qreal beforeX = 0;
    qreal afterX = 0;
    for (qsizetype i = 0; i < qMax(before.size(), after.size()); ++i) {
        const bool same = i < before.size() && i < after.size() && before.at(i) == after.at(i) && beforeX == afterX;
        if (i < before.size()) {
            if (!same)
                changed |= glyphArea(beforeX, before.at(i));
            beforeX += glyph(before.at(i)).advance;
        }
        if (i < after.size()) {
            if (!same)
                changed |= glyphArea(afterX, after.at(i));
            afterX += glyph(after.at(i)).advance;
        }
    }
    return changed;
}

QRect ReadoutLabel::glyphArea(qreal x, QChar character)
{
    const Glyph &image = glyph(character);
    return QRectF(QPointF(x, 0) + image.area.topLeft(), image.area.size()).toAlignedRect();
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

void ReadoutLabel::paintEvent(QPaintEvent *event)
{
    if (m_drawnByWindow)
        return;
    QPainter painter(this);
    drawText(painter, event->rect());
}

void ReadoutLabel::drawText(QPainter &painter, const QRect &area)
{
    dropGlyphsOfAnotherRatio();
    qreal x = 0;
    for (const QChar character : std::as_const(m_text)) {
        const Glyph &image = glyph(character);
        const QPointF at = QPointF(x, 0) + image.area.topLeft();
        if (QRectF(at, image.area.size()).toAlignedRect().intersects(area))
            painter.drawPixmap(at, image.image);
        x += image.advance;
    }
}

void ReadoutLabel::dropGlyphsOfAnotherRatio()
{
    // Asked once per change or paint, not per glyph: the question goes all the way to the screen.
    const qreal ratio = devicePixelRatioF();
    if (ratio != m_glyphRatio) {
        m_glyphs.clear();
        m_glyphRatio = ratio;
    }
}

void ReadoutLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        m_glyphs.clear();
    QWidget::changeEvent(event);
}

const ReadoutLabel::Glyph &ReadoutLabel::glyph(QChar character)
{
    auto found = m_glyphs.find(character);
    if (found != m_glyphs.end())
        return *found;
    const qreal ratio = devicePixelRatioF();

    // By glyph index where the font has the character: a lone character needs no shaping, which
    // would read the font's large substitution and positioning tables for nothing. Other scripts
    // take the text path, with Qt's fallback to fonts that have them.
    const QRawFont raw = QRawFont::fromFont(font());
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(raw.glyphIndexesForString(QString(character)));
    run.setPositions({QPointF()});
    const bool byIndex = raw.supportsCharacter(character);
    const QFontMetricsF metrics(font());
    const QRectF ink = (byIndex ? raw.boundingRect(run.glyphIndexes().value(0)) : metrics.boundingRect(character))
                           .translated(0, metrics.ascent());
    Glyph made;
    made.advance = byIndex ? raw.advancesForGlyphIndexes(run.glyphIndexes()).value(0).x() : metrics.horizontalAdvance(character);
    // The whole pixels the ink touches, so that the pen stays at a whole-pixel offset in the
    // image and the glyph comes out exactly as if drawn straight onto the readout.
    made.area = ink.toAlignedRect();
    made.area.setTop(qMax(made.area.top(), 0)); // the readout cuts off what reaches past it
    made.area.setBottom(qMin(made.area.bottom(), height() - 1));
    made.image = QPixmap((QSizeF(made.area.size()) * ratio).toSize());
    made.image.setDevicePixelRatio(ratio);
    made.image.fill(Qt::transparent);
    QPainter painter(&made.image);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QPointF pen(-made.area.left(), metrics.ascent() - made.area.top());
    if (byIndex)
        painter.drawGlyphRun(pen, run);
    else
        painter.drawText(pen, QString(character));
    painter.end();
    return *m_glyphs.insert(character, made);
}

} // namespace clockwindow
