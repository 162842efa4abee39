#include "clock/ReadoutLabel.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace clockwindow {

namespace {
constexpr int glyphMargin = 4;
}

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
    m_text = caption;
    update();
    // Only while an assistive technology listens: the clock's second must stay cheap.
    if (QAccessible::isActive() && isVisible()) {
        QAccessibleValueChangeEvent changed(this, m_text);
        QAccessible::updateAccessibility(&changed);
    }
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

void ReadoutLabel::paintEvent(QPaintEvent *)
{
    if (m_drawnByWindow)
        return;
    QPainter painter(this);
    drawText(painter);
}

void ReadoutLabel::drawText(QPainter &painter)
{
    qreal x = 0;
    for (const QChar character : std::as_const(m_text)) {
        const Glyph &image = glyph(character);
        painter.drawPixmap(QPointF(x - glyphMargin, 0), image.image);
        x += image.advance;
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
    const qreal ratio = devicePixelRatioF();
    auto found = m_glyphs.find(character);
    if (found != m_glyphs.end() && found->image.devicePixelRatio() == ratio)
        return *found;

    const QFontMetricsF metrics(font());
    Glyph made;
    made.advance = metrics.horizontalAdvance(character);
    // Room on both sides for the parts of a glyph that reach past its advance.
    const QSizeF size(made.advance + 2 * glyphMargin, height());
    made.image = QPixmap((size * ratio).toSize());
    made.image.setDevicePixelRatio(ratio);
    made.image.fill(Qt::transparent);
    QPainter painter(&made.image);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QPointF(glyphMargin, metrics.ascent()), QString(character));
    painter.end();
    return *m_glyphs.insert(character, made);
}

} // namespace clockwindow
