#include "clock/ReadoutText.h"

#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>

namespace clockwindow {

namespace {

/// No wrapping: a label's one line is as long as its text.
constexpr qreal unlimitedLineWidth = 0x01000000;
constexpr int secondsInAMinute = 60;

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

/// Whether text holds letters written right to left, whose order the rest of the text decides.
bool hasRightToLeft(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.direction() == QChar::DirR || c.direction() == QChar::DirAL; });
}

/// A glyph as drawn: its font, its index in the font and where it goes.
struct PlacedGlyph
{
    QRawFont font;
    quint32 index = 0;
    QPointF position;
    friend bool operator==(const PlacedGlyph &, const PlacedGlyph &) = default;
};

template<typename Pieces>
QList<PlacedGlyph> placedGlyphs(const Pieces &pieces)
{
    QList<PlacedGlyph> glyphs;
    for (const auto &piece : pieces) {
        for (const QGlyphRun &run : piece.laidOut->glyphs) {
            const QList<quint32> indexes = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            for (qsizetype i = 0; i < indexes.size(); ++i)
                glyphs.append({run.rawFont(), indexes.at(i), piece.origin + positions.at(i)});
        }
    }
    return glyphs;
}

} // namespace

void ReadoutText::setFormat(const QFont &font, Qt::LayoutDirection direction, QSize box)
{
    m_font = font;
    m_direction = direction;
    m_box = box;
    m_pieces.clear();
    m_prefix.reset();
    m_suffix.reset();
    m_twoDigitNumbers.fill(nullptr);
    m_otherNumber.reset();
}

QRect ReadoutText::setText(const QString &text)
{
    QList<Piece> pieces = piecesOf(text);
    // What is shown anew: each piece that is not where it was, before and after.
    QRect changed;
    for (const auto &[from, to] : {std::pair{&m_pieces, &pieces}, {&pieces, &m_pieces}}) {
        for (const Piece &piece : *from) {
            if (std::none_of(to->begin(), to->end(), [&piece](const Piece &other) {
                    return other.laidOut == piece.laidOut && other.origin == piece.origin;
                }))
                changed |= areaOf(piece);
        }
    }
    m_pieces = std::move(pieces);
    return changed;
}

void ReadoutText::draw(QPainter &painter, const QRect &area) const
{
    for (const Piece &piece : m_pieces) {
        if (areaOf(piece).intersects(area)) {
            for (const QGlyphRun &run : piece.laidOut->glyphs)
                painter.drawGlyphRun(piece.origin, run);
        }
    }
}

QList<ReadoutText::Piece> ReadoutText::piecesOf(const QString &text)
{
    // The last number, and what comes before and after it.
    qsizetype end = text.size();
    while (end > 0 && !isAsciiDigit(text.at(end - 1)))
        --end;
    qsizetype start = end;
    while (start > 0 && isAsciiDigit(text.at(start - 1)))
        --start;
    if (start == end || m_direction == Qt::RightToLeft)
        return whole(text);

    const QStringView prefix = QStringView(text).first(start);
    const QStringView suffix = QStringView(text).sliced(end);
    if (!m_prefix || m_prefix->text != prefix || m_suffix->text != suffix) {
        m_prefix = layOut(prefix);
        m_suffix = layOut(suffix);
        m_piecesSitAsWhole = !hasRightToLeft(prefix) && !hasRightToLeft(suffix) && piecesSitAsWhole();
    }
    if (!m_piecesSitAsWhole)
        return whole(text);
    return sideBySide({m_prefix, number(QStringView(text).sliced(start, end - start)), m_suffix});
}

QList<ReadoutText::Piece> ReadoutText::whole(const QString &text) const
{
    const Shared laidOut = layOut(text);
    // Left-aligned text starts at the box's right edge where the reading direction is right to left.
    return {{laidOut, QPointF(m_direction == Qt::RightToLeft ? m_box.width() - laidOut->advance : 0, 0)}};
}

QList<ReadoutText::Piece> ReadoutText::sideBySide(std::initializer_list<Shared> parts)
{
    QList<Piece> pieces;
    qreal x = 0;
    qreal baseline = 0;
    for (const Shared &part : parts) {
        if (part->text.isEmpty())
            continue;
        pieces.append({part, QPointF(x, part->ascent)});
        x += part->advance;
        baseline = qMax(baseline, part->ascent);
    }
    // One baseline for all pieces, as one line of the whole text has: the highest one.
    for (Piece &piece : pieces)
        piece.origin.setY(baseline - piece.origin.y());
    return pieces;
}

bool ReadoutText::piecesSitAsWhole()
{
    // A number's digits meet what comes before and after it: each digit is tried on both sides.
    for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
        const QString digits(2, QChar(digit));
        const QList<Piece> pieces = sideBySide({m_prefix, number(digits), m_suffix});
        const QList<Piece> asWhole = whole(m_prefix->text + digits + m_suffix->text);
        if (placedGlyphs(pieces) != placedGlyphs(asWhole))
            return false;
    }
    return true;
}

ReadoutText::Shared ReadoutText::number(QStringView digits)
{
    if (digits.size() == 2) {
        if (!m_twoDigitNumbers.front()) {
            // A clock's seconds all at once, so that none of them lays anything out anew.
            for (int n = 0; n < secondsInAMinute; ++n)
                m_twoDigitNumbers[n] = layOut(QString::number(n).rightJustified(2, u'0'));
        }
        Shared &kept = m_twoDigitNumbers[(digits[0].unicode() - u'0') * 10 + digits[1].unicode() - u'0'];
        if (!kept)
            kept = layOut(digits);
        return kept;
    }
    if (!m_otherNumber || m_otherNumber->text != digits)
        m_otherNumber = layOut(digits);
    return m_otherNumber;
}

ReadoutText::Shared ReadoutText::layOut(QStringView text) const
{
    // As QPainter::drawText lays out a label's text: one unwrapped line at the top.
    QTextLayout layout(text.toString(), m_font);
    QTextOption option(Qt::AlignLeft);
    option.setTextDirection(m_direction);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setLineWidth(unlimitedLineWidth);
    layout.endLayout();
    if (!line.isValid())
        return std::make_shared<const LaidOut>();
    return std::make_shared<const LaidOut>(LaidOut{layout.text(), layout.glyphRuns(), line.horizontalAdvance(), line.ascent()});
}

QRect ReadoutText::areaOf(const Piece &piece) const
{
    // With two pixels' room for glyphs that reach past their advance.
    return QRectF(piece.origin.x(), 0, piece.laidOut->advance, m_box.height()).toAlignedRect().adjusted(-2, 0, 2, 0);
}

} // namespace clockwindow
