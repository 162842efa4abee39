#pragma once

#include <QColor>
#include <QImage>
#include <QLineF>

class QPainter;

namespace clockwindow {

/// A hand with round ends, as Qt's antialiased stroke draws it, to within a level or two of each
/// pixel, at half the cost: the outline is computed once for the hand's place and filled here,
/// each pixel covered by the share of its area the outline takes.
class FilledHand
{
public:
    FilledHand() = default;
    /// The hand from line.p1() to line.p2(), filled for a device of the given pixel ratio.
    FilledHand(QLineF line, qreal width, QColor color, qreal devicePixelRatio);

    [[nodiscard]] bool isFor(QLineF line, qreal devicePixelRatio) const;
    /// Lays the hand over what the painter holds.
    void draw(QPainter &painter) const;

private:
    QLineF handLine;
    /// In device pixels.
    QImage image;
    QPoint origin;
};

} // namespace clockwindow
