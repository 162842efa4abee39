#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QRect>
#include <QString>

#include <array>
#include <memory>

class QPainter;

namespace clockwindow {

/// One line of text, left-aligned at the top of a box, laid out and drawn as QPainter::drawText
/// lays out and draws it (bidirectional order, shaping, font fallback), for a text that changes a
/// number at a time.
///
/// Laying text out every second costs a clock more than anything else it does, so the text is laid
/// out in pieces that are kept: its last number (the seconds; all sixty are laid out at once),
/// what comes before it (which changes once a minute) and what after (a designator,
/// twice a day). Whenever what comes before or after changes, the pieces are checked against Qt's
/// layout of the whole text with each digit on both sides of the number, glyph for glyph; should a
/// glyph sit anywhere else (a font that kerns across pieces, a script that the number takes from
/// its neighbours), and wherever text runs right to left, the whole text is laid out each time.
class ReadoutText
{
public:
    /// The font (as for the device it is drawn on), reading direction and box the text is laid
    /// out in; what was laid out in others is dropped.
    void setFormat(const QFont &font, Qt::LayoutDirection direction, QSize box);
    /// Lays text out, and returns the area of the box whose pixels may differ from the text
    /// laid out before.
    QRect setText(const QString &text);
    /// Draws the text where it reaches into area of the box, whose top-left corner is at the
    /// painter's origin.
    void draw(QPainter &painter, const QRect &area) const;

private:
    /// A text as Qt lays it out on one line whose top-left corner is at (0, 0).
    struct LaidOut
    {
        QString text;
        QList<QGlyphRun> glyphs;
        qreal advance = 0;
        qreal ascent = 0;
    };
    using Shared = std::shared_ptr<const LaidOut>;
    struct Piece
    {
        Shared laidOut;
        QPointF origin;
    };
    [[nodiscard]] QList<Piece> piecesOf(const QString &text);
    [[nodiscard]] QList<Piece> whole(const QString &text) const;
    /// Pieces side by side on one baseline, as one line holds them.
    [[nodiscard]] static QList<Piece> sideBySide(std::initializer_list<Shared> parts);
    [[nodiscard]] bool piecesSitAsWhole();
    [[nodiscard]] Shared number(QStringView digits);
    [[nodiscard]] Shared layOut(QStringView text) const;
    [[nodiscard]] QRect areaOf(const Piece &piece) const;

    QFont m_font;
    Qt::LayoutDirection m_direction = Qt::LeftToRight;
    QSize m_box;
    QList<Piece> m_pieces;
    Shared m_prefix;
    Shared m_suffix;
    bool m_piecesSitAsWhole = false;
    std::array<Shared, 100> m_twoDigitNumbers;
    Shared m_otherNumber;
};

} // namespace clockwindow
