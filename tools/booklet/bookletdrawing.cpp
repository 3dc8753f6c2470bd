#include "bookletdrawing.h"

#include "bookletwriter.h"

namespace BookletDrawing {

QTransform placePicture(
    BookletWriter &writer, QSizeF size, const QRectF &box, const std::function<void(QPainter &)> &paint)
{
    const QRectF area = writer.mm(box);
    const double scale = std::min(area.width() / size.width(), area.height() / size.height());
    const QRectF target(area.topLeft(), size * scale);
    const QTransform toPage
        = QTransform::fromScale(scale, scale) * QTransform::fromTranslate(target.left(), target.top());
    writer.painter().save();
    writer.painter().setClipRect(target);
    writer.painter().setTransform(toPage);
    paint(writer.painter());
    writer.painter().restore();
    writer.painter().save();
    writer.painter().setPen(QPen(Qt::black, writer.mm(0.2)));
    writer.painter().setBrush(Qt::NoBrush);
    writer.painter().drawRect(target);
    writer.painter().restore();
    return toPage;
}

void badge(BookletWriter &writer, QPointF centre, const QString &text, bool filled, double diameterMm)
{
    QPainter &painter = writer.painter();
    painter.save();
    const QFont font = writer.font(diameterMm * 1.55, true);
    // A disc, drawn out into a pill where the text is wider than it.
    const double radius = writer.mm(diameterMm / 2);
    const double halfWidth = std::max(radius, writer.mm(writer.width(text, font) / 2 + 0.6));
    const QRectF outline(centre.x() - halfWidth, centre.y() - radius, 2 * halfWidth, 2 * radius);
    painter.setPen(QPen(Qt::black, writer.mm(0.25)));
    painter.setBrush(filled ? Qt::black : Qt::white);
    painter.drawRoundedRect(outline, radius, radius);
    painter.setPen(filled ? Qt::white : Qt::black);
    painter.setFont(font);
    painter.drawText(outline, Qt::AlignCenter, text);
    painter.restore();
}

QBrush pieceColour(int piece)
{
    static const QColor colours[]
        = { QColor(150, 200, 255), QColor(255, 190, 120), QColor(160, 230, 150), QColor(240, 150, 200) };
    return colours[piece % 4];
}

Qt::BrushStyle pieceHatching(int piece)
{
    static const Qt::BrushStyle styles[]
        = { Qt::BDiagPattern, Qt::FDiagPattern, Qt::HorPattern, Qt::CrossPattern };
    return styles[piece % 4];
}

QPointF innermostPoint(const SpatialGeometry::Polygon &polygon)
{
    const QRectF box = polygon.boundingRect();
    QPointF best = SpatialGeometry::centroid(polygon);
    double bestRoom
        = SpatialGeometry::contains(polygon, best) ? SpatialGeometry::distanceToBoundary(polygon, best) : -1;
    constexpr int Steps = 24;
    for (int i = 1; i < Steps; ++i) {
        for (int j = 1; j < Steps; ++j) {
            const QPointF point(box.left() + box.width() * i / Steps, box.top() + box.height() * j / Steps);
            if (!SpatialGeometry::contains(polygon, point))
                continue;
            const double room = SpatialGeometry::distanceToBoundary(polygon, point);
            if (room > bestRoom + 0.5) {
                bestRoom = room;
                best = point;
            }
        }
    }
    return best;
}

} // namespace BookletDrawing
