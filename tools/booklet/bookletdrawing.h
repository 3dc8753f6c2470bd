#pragma once

#include "spatialgeometry.h"

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>

class BookletWriter;

// Drawing helpers shared by the sections of the booklet.
namespace BookletDrawing {

// A question picture, `size` pixels, drawn as vectors by `paint` into a box of the page (millimetres),
// keeping its proportions; returns the transform from picture pixels to device units, for drawing on
// top of it.
QTransform placePicture(
    BookletWriter &writer, QSizeF size, const QRectF &box, const std::function<void(QPainter &)> &paint);

// A numbered mark: a disc with a number or letter in it, black on white or white on black; a pill
// when the text is wider than the disc.
void badge(BookletWriter &writer, QPointF centre, const QString &text, bool filled, double diameterMm = 4.2);

// Piece k's fill: its own light colour and its own hatching, so that it also shows in black and white.
QBrush pieceColour(int piece);
Qt::BrushStyle pieceHatching(int piece);

// The point of a polygon farthest inside it, where its number reads best.
QPointF innermostPoint(const SpatialGeometry::Polygon &polygon);

} // namespace BookletDrawing
