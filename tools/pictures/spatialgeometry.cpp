#include "spatialgeometry.h"

#include <QLineF>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace SpatialGeometry {

namespace {

// Points closer than this are the same point; the model works in pixels.
constexpr double Tolerance = 1e-7;
// Exact congruence allows for rounding errors only.
constexpr double ExactLength = 1e-6;
constexpr double ExactTurn = 1e-6; // degrees

double cross(QPointF a, QPointF b)
{
    return a.x() * b.y() - a.y() * b.x();
}
double dot(QPointF a, QPointF b)
{
    return a.x() * b.x() + a.y() * b.y();
}
double length(QPointF v)
{
    return std::hypot(v.x(), v.y());
}
QPointF at(const Polygon &polygon, int index)
{
    const int n = polygon.size();
    return polygon[((index % n) + n) % n];
}

// Turn in degrees from the edge arriving at corner i to the edge leaving it.
double turnAt(const Polygon &polygon, int i)
{
    const QPointF in = polygon[i] - at(polygon, i - 1);
    const QPointF out = at(polygon, i + 1) - polygon[i];
    return qRadiansToDegrees(std::atan2(cross(in, out), dot(in, out)));
}

// Drops repeated corners and corners turning by less than `minimumTurn` degrees.
Polygon withoutStraightCorners(Polygon polygon, double minimumTurn)
{
    bool changed = true;
    while (changed && polygon.size() > 3) {
        changed = false;
        for (int i = 0; i < polygon.size() && polygon.size() > 3; ++i) {
            if (length(at(polygon, i + 1) - polygon[i]) < Tolerance
                || std::abs(turnAt(polygon, i)) < minimumTurn) {
                polygon.remove(i);
                changed = true;
                break;
            }
        }
    }
    return polygon;
}

struct Signature {
    QVector<double> lengths; // edge i leaves corner i
    QVector<double> turns;
};

Signature signatureOf(const Polygon &polygon)
{
    const Polygon clean = withoutStraightCorners(polygon, ExactTurn);
    Signature signature;
    for (int i = 0; i < clean.size(); ++i) {
        signature.lengths.append(length(at(clean, i + 1) - clean[i]));
        signature.turns.append(turnAt(clean, i));
    }
    return signature;
}

bool congruentPolygons(const Polygon &a, const Polygon &b)
{
    const Signature sa = signatureOf(a);
    const Signature sb = signatureOf(b);
    const int n = sa.lengths.size();
    if (n != sb.lengths.size())
        return false;
    for (int shift = 0; shift < n; ++shift) {
        bool same = true;
        for (int i = 0; i < n && same; ++i) {
            const int j = (i + shift) % n;
            same = std::abs(sa.lengths[i] - sb.lengths[j]) < ExactLength
                && std::abs(sa.turns[i] - sb.turns[j]) < ExactTurn;
        }
        if (same)
            return true;
    }
    return false;
}

bool alikeOutlines(const Polygon &a, const Polygon &b, double lengthTolerance, double angleTolerance)
{
    const Outline oa = outlineOf(a);
    const Outline ob = outlineOf(b);
    const int n = oa.sides.size();
    if (n != ob.sides.size() || oa.corners.size() != ob.corners.size())
        return false;
    auto sameSide = [&](const Side &x, const Side &y) {
        return std::abs(x.length - y.length) <= lengthTolerance
            && std::abs(x.turn - y.turn) <= angleTolerance;
    };
    if (oa.corners.isEmpty())
        return sameSide(oa.sides[0], ob.sides[0]);
    for (int shift = 0; shift < n; ++shift) {
        bool same = true;
        for (int i = 0; i < n && same; ++i) {
            const int j = (i + shift) % n;
            same = std::abs(oa.corners[i] - ob.corners[j]) <= angleTolerance
                && sameSide(oa.sides[i], ob.sides[j]);
        }
        if (same)
            return true;
    }
    return false;
}

bool holesMatch(
    const Shape &a, const Shape &b, const std::function<bool(const Polygon &, const Polygon &)> &same)
{
    QVector<Shape> holesA;
    QVector<Shape> holesB;
    for (const Polygon &hole : a.holes)
        holesA.append(Shape { hole, {} });
    for (const Polygon &hole : b.holes)
        holesB.append(Shape { hole, {} });
    return sameShapes(
        holesA, holesB, [&same](const Shape &x, const Shape &y) { return same(x.outline, y.outline); });
}

double distanceToSegment(QPointF point, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double span = dot(ab, ab);
    const double t = span > 0 ? std::clamp(dot(point - a, ab) / span, 0.0, 1.0) : 0.0;
    return length(point - (a + ab * t));
}

// Index of `point` among the corners of `ring`, inserting it on the edge that holds it; -1 if off the
// boundary.
int placeOnBoundary(Polygon &ring, QPointF point)
{
    for (int i = 0; i < ring.size(); ++i) {
        if (length(ring[i] - point) < Tolerance)
            return i;
    }
    for (int i = 0; i < ring.size(); ++i) {
        if (distanceToSegment(point, ring[i], at(ring, i + 1)) < Tolerance) {
            ring.insert(i + 1, point);
            return i + 1;
        }
    }
    return -1;
}

int indexOfCorner(const Polygon &ring, QPointF point)
{
    for (int i = 0; i < ring.size(); ++i) {
        if (length(ring[i] - point) < Tolerance)
            return i;
    }
    return -1;
}

// Corners from `from` to `to`, both included, walking forwards.
Polygon walk(const Polygon &ring, int from, int to)
{
    Polygon corners;
    for (int i = from;; i = (i + 1) % ring.size()) {
        corners.append(ring[i]);
        if (i == to)
            break;
    }
    return corners;
}

bool pathFitsInside(const Polygon &ring, const Polygon &path)
{
    for (int i = 1; i + 1 < path.size(); ++i) {
        if (!containsWithMargin(ring, path[i], Tolerance))
            return false;
    }
    for (int i = 0; i + 1 < path.size(); ++i) {
        if (!containsWithMargin(ring, (path[i] + path[i + 1]) / 2, Tolerance))
            return false;
        for (int e = 0; e < ring.size(); ++e) {
            if (segmentsCross(path[i], path[i + 1], ring[e], at(ring, e + 1)))
                return false;
        }
    }
    return true;
}

} // namespace

double signedArea(const Polygon &polygon)
{
    double twice = 0;
    for (int i = 0; i < polygon.size(); ++i)
        twice += cross(polygon[i], at(polygon, i + 1));
    return twice / 2;
}

double area(const Shape &shape)
{
    double total = std::abs(signedArea(shape.outline));
    for (const Polygon &hole : shape.holes)
        total -= std::abs(signedArea(hole));
    return total;
}

QPointF centroid(const Polygon &polygon)
{
    double twiceArea = 0;
    QPointF sum;
    for (int i = 0; i < polygon.size(); ++i) {
        const double c = cross(polygon[i], at(polygon, i + 1));
        twiceArea += c;
        sum += (polygon[i] + at(polygon, i + 1)) * c;
    }
    return sum / (3 * twiceArea);
}

double distanceToBoundary(const Polygon &polygon, QPointF point)
{
    double nearest = std::numeric_limits<double>::infinity();
    for (int i = 0; i < polygon.size(); ++i)
        nearest = std::min(nearest, distanceToSegment(point, polygon[i], at(polygon, i + 1)));
    return nearest;
}

bool contains(const Polygon &polygon, QPointF point)
{
    bool inside = false;
    for (int i = 0; i < polygon.size(); ++i) {
        const QPointF a = polygon[i];
        const QPointF b = at(polygon, i + 1);
        if ((a.y() > point.y()) != (b.y() > point.y())) {
            const double x = a.x() + (point.y() - a.y()) * (b.x() - a.x()) / (b.y() - a.y());
            if (x > point.x())
                inside = !inside;
        }
    }
    return inside;
}

bool contains(const Shape &shape, QPointF point)
{
    if (!contains(shape.outline, point))
        return false;
    return std::none_of(shape.holes.begin(), shape.holes.end(),
        [point](const Polygon &hole) { return contains(hole, point); });
}

bool containsWithMargin(const Polygon &polygon, QPointF point, double margin)
{
    return contains(polygon, point) && distanceToBoundary(polygon, point) > margin;
}

bool segmentsCross(QPointF a, QPointF b, QPointF c, QPointF d, QPointF *crossing)
{
    const QPointF r = b - a;
    const QPointF s = d - c;
    const double denominator = cross(r, s);
    if (std::abs(denominator) < 1e-12)
        return false;
    const double t = cross(c - a, s) / denominator;
    const double u = cross(c - a, r) / denominator;
    if (t <= 0 || t >= 1 || u <= 0 || u >= 1)
        return false;
    const double endT = Tolerance / std::max(length(r), Tolerance);
    const double endU = Tolerance / std::max(length(s), Tolerance);
    if (t <= endT || t >= 1 - endT || u <= endU || u >= 1 - endU)
        return false;
    if (crossing)
        *crossing = a + r * t;
    return true;
}

double distance(const Polygon &a, const Polygon &b)
{
    for (int i = 0; i < a.size(); ++i) {
        for (int j = 0; j < b.size(); ++j) {
            if (segmentsCross(a[i], at(a, i + 1), b[j], at(b, j + 1)))
                return 0;
        }
    }
    if (contains(b, a[0]) || contains(a, b[0]))
        return 0;
    double nearest = std::numeric_limits<double>::infinity();
    for (const QPointF &p : a)
        nearest = std::min(nearest, distanceToBoundary(b, p));
    for (const QPointF &p : b)
        nearest = std::min(nearest, distanceToBoundary(a, p));
    return nearest;
}

Polygon mapped(const Polygon &polygon, const QTransform &transform)
{
    return transform.map(polygon);
}

Shape mapped(const Shape &shape, const QTransform &transform)
{
    Shape result { mapped(shape.outline, transform), {} };
    for (const Polygon &hole : shape.holes)
        result.holes.append(mapped(hole, transform));
    return result;
}

Polygon mirrored(const Polygon &polygon)
{
    Polygon image;
    for (auto it = polygon.rbegin(); it != polygon.rend(); ++it)
        image.append(QPointF(-it->x(), it->y()));
    return image;
}

Shape mirrored(const Shape &shape)
{
    Shape image { mirrored(shape.outline), {} };
    for (const Polygon &hole : shape.holes)
        image.holes.append(mirrored(hole));
    return image;
}

bool split(const Polygon &piece, const Polygon &path, Polygon *first, Polygon *second)
{
    if (path.size() < 2)
        return false;
    Polygon ring = piece;
    if (placeOnBoundary(ring, path.first()) < 0 || placeOnBoundary(ring, path.last()) < 0)
        return false;
    const int from = indexOfCorner(ring, path.first());
    const int to = indexOfCorner(ring, path.last());
    if (from == to || !pathFitsInside(ring, path))
        return false;

    Polygon one = walk(ring, from, to);
    for (int i = path.size() - 2; i >= 1; --i)
        one.append(path[i]);
    Polygon other = walk(ring, to, from);
    for (int i = 1; i + 1 < path.size(); ++i)
        other.append(path[i]);
    const double whole = signedArea(piece);
    if (signedArea(one) <= Tolerance || signedArea(other) <= Tolerance
        || std::abs(signedArea(one) + signedArea(other) - whole) > 1e-6 * std::max(1.0, whole))
        return false;
    *first = one;
    *second = other;
    return true;
}

bool congruent(const Shape &a, const Shape &b)
{
    return congruentPolygons(a.outline, b.outline) && holesMatch(a, b, congruentPolygons);
}

Outline outlineOf(const Polygon &polygon)
{
    const Polygon clean = withoutStraightCorners(polygon, 0.5);
    const int n = clean.size();
    QVector<int> cornerIndexes;
    for (int i = 0; i < n; ++i) {
        if (std::abs(turnAt(clean, i)) >= SmoothTurn)
            cornerIndexes.append(i);
    }
    Outline outline;
    if (cornerIndexes.isEmpty()) {
        Side round;
        for (int i = 0; i < n; ++i) {
            round.length += length(at(clean, i + 1) - clean[i]);
            round.turn += turnAt(clean, i);
        }
        outline.sides.append(round);
        return outline;
    }
    for (int c = 0; c < cornerIndexes.size(); ++c) {
        const int start = cornerIndexes[c];
        const int end = c + 1 < cornerIndexes.size() ? cornerIndexes[c + 1] : cornerIndexes[0] + n;
        outline.corners.append(turnAt(clean, start));
        Side side;
        for (int i = start; i < end; ++i) {
            side.length += length(at(clean, i + 1) - at(clean, i));
            if (i > start)
                side.turn += turnAt(clean, i % n);
        }
        outline.sides.append(side);
    }
    return outline;
}

bool alike(const Shape &a, const Shape &b, double lengthTolerance, double angleTolerance)
{
    auto same = [=](const Polygon &x, const Polygon &y) {
        return alikeOutlines(x, y, lengthTolerance, angleTolerance);
    };
    return same(a.outline, b.outline) && holesMatch(a, b, same);
}

bool sameShapes(const QVector<Shape> &a, const QVector<Shape> &b,
    const std::function<bool(const Shape &, const Shape &)> &same)
{
    if (a.size() != b.size())
        return false;
    QVector<bool> used(b.size(), false);
    std::function<bool(int)> match = [&](int i) {
        if (i == a.size())
            return true;
        for (int j = 0; j < b.size(); ++j) {
            if (!used[j] && same(a[i], b[j])) {
                used[j] = true;
                if (match(i + 1))
                    return true;
                used[j] = false;
            }
        }
        return false;
    };
    return match(0);
}

} // namespace SpatialGeometry
