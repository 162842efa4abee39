#include "clock/FilledHand.h"

#include <QPainter>
#include <QPainterPathStroker>

#include <cmath>
#include <utility>
#include <vector>

namespace clockwindow {

namespace {

/// Qt's rasterizer holds outline points in 1/64 of a pixel; rounding as it does keeps the
/// coverage of each pixel within a level or two of its own.
QPointF toRasterGrid(QPointF point)
{
    return {std::round(point.x() * 64) / 64, std::round(point.y() * 64) / 64};
}

/// Signed area contributions of the outline's edges, row by row: the running sum along a row is
/// the share of each pixel the outline covers.
class CoverageRows
{
public:
    CoverageRows(int width, int height)
        : stride(width + 2), height(height), cells(std::size_t(stride) * height, 0.0f), spans(height, {stride, 0})
    {
    }

    void addEdge(QPointF from, QPointF to)
    {
        if (from.y() == to.y())
            return;
        float direction = 1;
        if (from.y() > to.y()) {
            std::swap(from, to);
            direction = -1;
        }
        const float top = float(from.y());
        const float bottom = float(to.y());
        const float dxdy = float((to.x() - from.x()) / (to.y() - from.y()));
        float x = float(from.x());
        for (int y = std::max(0, int(std::floor(top))); y < std::min(height, int(std::ceil(bottom))); ++y) {
            float *row = &cells[std::size_t(y) * stride];
            const float dy = std::min(float(y + 1), bottom) - std::max(float(y), top);
            const float xNext = x + dxdy * dy;
            const float d = dy * direction;
            const float left = std::min(x, xNext);
            const float right = std::max(x, xNext);
            const float leftFloor = std::floor(left);
            const int leftCell = int(leftFloor);
            const int rightCell = int(std::ceil(right));
            spans[y] = {std::min(spans[y].first, leftCell), std::max(spans[y].second, rightCell)};
            if (rightCell <= leftCell + 1) {
                // Within one pixel: what lies right of the edge's middle is covered.
                const float middle = 0.5f * (x + xNext) - leftFloor;
                row[leftCell] += d - d * middle;
                row[leftCell + 1] += d * middle;
            } else {
                // Across several pixels: a triangle in the first, trapezoids between, the rest in the last.
                const float slope = 1 / (right - left);
                const float leftPart = left - leftFloor;
                const float first = 0.5f * slope * (1 - leftPart) * (1 - leftPart);
                const float rightPart = right - float(rightCell) + 1;
                const float last = 0.5f * slope * rightPart * rightPart;
                row[leftCell] += d * first;
                if (rightCell == leftCell + 2) {
                    row[leftCell + 1] += d * (1 - first - last);
                } else {
                    const float second = slope * (1.5f - leftPart);
                    row[leftCell + 1] += d * (second - first);
                    for (int cell = leftCell + 2; cell < rightCell - 1; ++cell)
                        row[cell] += d * slope;
                    const float beforeLast = second + float(rightCell - leftCell - 3) * slope;
                    row[rightCell - 1] += d * (1 - beforeLast - last);
                }
                row[rightCell] += d * last;
            }
            x = xNext;
        }
    }

    /// Each pixel's colour at its coverage, premultiplied, as Qt's fill blends a solid colour;
    /// outside the cells the edges reach, a row is empty.
    void paint(QImage &image, QRgb color) const
    {
        image.fill(Qt::transparent);
        for (int y = 0; y < height; ++y) {
            const float *row = &cells[std::size_t(y) * stride];
            auto *pixels = reinterpret_cast<QRgb *>(image.scanLine(y));
            float covered = 0;
            for (int x = spans[y].first; x < std::min(spans[y].second, image.width()); ++x) {
                covered += row[x];
                const int alpha = std::min(int(std::fabs(covered) * 256 + 0.5f), 255);
                if (alpha)
                    pixels[x] = qPremultiply(qRgba(qRed(color), qGreen(color), qBlue(color), alpha));
            }
        }
    }

private:
    int stride;
    int height;
    std::vector<float> cells;
    /// Per row, the first pixel an edge reaches and the last, past which the row is empty.
    std::vector<std::pair<int, int>> spans;
};

} // namespace

FilledHand::FilledHand(QLineF line, qreal width, QColor color, qreal devicePixelRatio)
    : handLine(line)
{
    // Qt's own stroker gives the outline, round ends shaped as Qt shapes them.
    QPainterPath path(line.p1() * devicePixelRatio);
    path.lineTo(line.p2() * devicePixelRatio);
    QPainterPathStroker stroker;
    stroker.setWidth(width * devicePixelRatio);
    stroker.setCapStyle(Qt::RoundCap);
    const QPolygonF outline = stroker.createStroke(path).toFillPolygon();
    const QRect box = outline.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    CoverageRows coverage(box.width(), box.height());
    for (qsizetype i = 0; i + 1 < outline.size(); ++i)
        coverage.addEdge(toRasterGrid(outline[i] - box.topLeft()), toRasterGrid(outline[i + 1] - box.topLeft()));
    image = QImage(box.size(), QImage::Format_ARGB32_Premultiplied);
    coverage.paint(image, color.rgb());
    image.setDevicePixelRatio(devicePixelRatio);
    origin = box.topLeft();
}

bool FilledHand::isFor(QLineF line, qreal devicePixelRatio) const
{
    return !image.isNull() && handLine == line && image.devicePixelRatio() == devicePixelRatio;
}

void FilledHand::draw(QPainter &painter) const
{
    painter.drawImage(QPointF(origin) / image.devicePixelRatio(), image);
}

} // namespace clockwindow
