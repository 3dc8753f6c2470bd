#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QTransform>
#include <QVector>

#include <functional>

// Plane geometry of the spatial assembly puzzles, in picture coordinates (pixels, y downwards).
// A polygon lists its corners once, not closed, in the order that gives it a positive signed area.
namespace SpatialGeometry {

using Polygon = QPolygonF;

// A piece: its outline and the outlines of any figures cut out of its inside.
struct Shape {
    Polygon outline;
    QVector<Polygon> holes;
};

double signedArea(const Polygon &polygon);
double area(const Shape &shape);
QPointF centroid(const Polygon &polygon);
double distanceToBoundary(const Polygon &polygon, QPointF point);
// Point in polygon by crossings; say nothing about points on the boundary.
bool contains(const Polygon &polygon, QPointF point);
bool contains(const Shape &shape, QPointF point);
// Inside and at least `margin` away from the boundary.
bool containsWithMargin(const Polygon &polygon, QPointF point, double margin);
// Whether segments ab and cd cross at a point inside both (touching ends do not count).
bool segmentsCross(QPointF a, QPointF b, QPointF c, QPointF d, QPointF *crossing = nullptr);
// Smallest distance between two polygons; 0 when they touch or overlap.
double distance(const Polygon &a, const Polygon &b);

Polygon mapped(const Polygon &polygon, const QTransform &transform);
Shape mapped(const Shape &shape, const QTransform &transform);
// Mirror image across the vertical axis, listed in the positive order again.
Polygon mirrored(const Polygon &polygon);
Shape mirrored(const Shape &shape);

// Cuts `piece` along `path`: the ends of the path lie on the boundary of the piece, every other point
// strictly inside, and the path crosses no edge. Returns false, leaving the outputs alone, otherwise.
bool split(const Polygon &piece, const Polygon &path, Polygon *first, Polygon *second);

// Equal up to rotation and translation, never reflection (up to rounding errors). Holes are compared as
// shapes without their position, which can only make more shapes count as congruent, never fewer.
bool congruent(const Shape &a, const Shape &b);

// What a person sees of a polygon outline: corners (turns of at least SmoothTurn degrees) and the sides
// between them; a run of tiny turns, as on a polygon standing for an arc, makes one curved side.
struct Side {
    double length = 0;
    double turn = 0; // degrees turned along a curved side
};
struct Outline {
    QVector<double> corners; // turn at each corner, degrees, positive where convex
    QVector<Side> sides; // side i runs from corner i to corner i + 1
};
constexpr double SmoothTurn = 7.5;
Outline outlineOf(const Polygon &polygon);

// Whether a person would take the two shapes for the same one turned: corner for corner and side for
// side, lengths within `lengthTolerance` pixels and angles within `angleTolerance` degrees.
bool alike(const Shape &a, const Shape &b, double lengthTolerance, double angleTolerance);

// Whether the two lists hold the same shapes, in any order, under the comparison `same`.
bool sameShapes(const QVector<Shape> &a, const QVector<Shape> &b,
    const std::function<bool(const Shape &, const Shape &)> &same);

} // namespace SpatialGeometry
