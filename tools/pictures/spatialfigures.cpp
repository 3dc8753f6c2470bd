#include "spatialfigures.h"

#include <QLineF>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace SpatialPuzzles {

using namespace SpatialGeometry;

namespace {

// The same kind of outline with other proportions or another size: `amount` is the relative change.
QVector<OutlineSpec> reshaped(const OutlineSpec &outline, double amount)
{
    QVector<OutlineSpec> shapes;
    auto scaledMeasure = [&](int index, double factor) {
        for (double sign : { -1.0, 1.0 }) {
            OutlineSpec changed = outline;
            changed.measures[size_t(index)] *= 1 + sign * factor * amount;
            shapes.append(changed);
        }
    };
    auto movedMeasure = [&](int index) {
        for (double sign : { -1.0, 1.0 }) {
            OutlineSpec changed = outline;
            changed.measures[size_t(index)]
                = std::clamp(changed.measures[size_t(index)] + sign * amount, 0.0, 1.0);
            shapes.append(changed);
        }
    };
    switch (outline.kind) {
    case Kind::Rectangle:
        scaledMeasure(1, 1);
        break;
    case Kind::Triangle:
        movedMeasure(2);
        scaledMeasure(1, 1);
        break;
    case Kind::Trapezium:
        scaledMeasure(2, 1.4);
        break;
    case Kind::Parallelogram:
        scaledMeasure(2, 2);
        break;
    case Kind::Regular:
        scaledMeasure(1, 0.8);
        break;
    case Kind::Circle:
    case Kind::HalfDisc:
        scaledMeasure(0, 0.8);
        break;
    case Kind::House:
        scaledMeasure(2, 1.6);
        break;
    case Kind::LShape:
        scaledMeasure(2, 1);
        scaledMeasure(3, 1);
        break;
    case Kind::Kite:
        movedMeasure(2);
        break;
    }
    return shapes;
}

// A cut ending this close to a corner ends at the corner: no piece gets a sliver of a side.
constexpr double SnapDistance = 5;
// What makes pieces that a person can see and handle.
constexpr double MinimumSide = 6;
constexpr double MinimumCornerAngle = 14;
constexpr double MinimumPieceShare = 0.07;

QPointF along(QPointF a, QPointF b, double t)
{
    return a + (b - a) * t;
}

QPointF snapped(QPointF point, const Polygon &corners)
{
    for (const QPointF &corner : corners) {
        if (QLineF(point, corner).length() < SnapDistance)
            return corner;
    }
    return point;
}

QPointF pointOfPath(const Polygon &path, double t)
{
    const int segments = path.size() - 1;
    const double position = t * segments;
    const int segment = std::clamp(int(position), 0, segments - 1);
    return along(path[segment], path[segment + 1], position - segment);
}

// The point of an anchor; nothing when it names a cut not made yet.
std::optional<QPointF> resolve(const Anchor &anchor, const Figure &figure)
{
    if (anchor.cut >= figure.cuts.size())
        return std::nullopt;
    if (anchor.cut < 0) {
        const Polygon &outline = figure.outline;
        const int n = outline.size();
        const QPointF point = along(outline[anchor.edge % n], outline[(anchor.edge + 1) % n], anchor.t);
        return snapped(point, outline);
    }
    const Polygon &path = figure.cuts[anchor.cut];
    return snapped(pointOfPath(path, anchor.t), path);
}

// Cuts the figure along `path`, breaking it where it crosses earlier cuts so that each run lies in one piece.
bool cutAlong(Figure &figure, const Polygon &path)
{
    QVector<Polygon> runs;
    Polygon run { path.first() };
    for (int i = 0; i + 1 < path.size(); ++i) {
        QVector<QPair<double, QPointF>> crossings;
        for (const Polygon &earlier : figure.cuts) {
            for (int k = 0; k + 1 < earlier.size(); ++k) {
                QPointF crossing;
                if (segmentsCross(path[i], path[i + 1], earlier[k], earlier[k + 1], &crossing))
                    crossings.append({ QLineF(path[i], crossing).length(), crossing });
            }
        }
        std::sort(crossings.begin(), crossings.end(),
            [](const QPair<double, QPointF> &x, const QPair<double, QPointF> &y) {
                return x.first < y.first;
            });
        for (const auto &crossing : crossings) {
            run << crossing.second;
            runs.append(run);
            run = Polygon { crossing.second };
        }
        run << path[i + 1];
    }
    runs.append(run);

    for (const Polygon &piecePath : runs) {
        const QPointF probe = (piecePath[0] + piecePath[1]) / 2;
        auto holder = std::find_if(figure.pieces.begin(), figure.pieces.end(),
            [probe](const Shape &piece) { return containsWithMargin(piece.outline, probe, 1e-7); });
        if (holder == figure.pieces.end())
            return false;
        Polygon one;
        Polygon other;
        if (!split(holder->outline, piecePath, &one, &other))
            return false;
        holder->outline = one;
        figure.pieces.insert(holder + 1, Shape { other, {} });
    }
    return true;
}

bool wellFormed(const Figure &figure)
{
    const double whole = signedArea(figure.outline);
    double total = 0;
    for (const Shape &piece : figure.pieces) {
        const double size = area(piece);
        if (size < MinimumPieceShare * whole)
            return false;
        total += size;
        const Outline seen = outlineOf(piece.outline);
        for (double turn : seen.corners) {
            if (180 - turn < MinimumCornerAngle)
                return false;
        }
        for (const Side &side : seen.sides) {
            if (side.length < MinimumSide)
                return false;
        }
    }
    return std::abs(total - whole) < 1e-6 * whole;
}

double pathLength(const Polygon &path)
{
    double total = 0;
    for (int i = 0; i + 1 < path.size(); ++i)
        total += QLineF(path[i], path[i + 1]).length();
    return total;
}

// The anchor moved `distance` pixels along its edge (round the outline) or along its cut (not past its ends).
std::optional<Anchor> shifted(const Anchor &anchor, double distance, const Figure &figure)
{
    if (anchor.cut < 0) {
        Polygon ring = figure.outline;
        ring << ring.first();
        const int n = figure.outline.size();
        const int edge = anchor.edge % n;
        double position
            = pathLength(ring.mid(0, edge + 1)) + anchor.t * QLineF(ring[edge], ring[edge + 1]).length();
        const double perimeter = pathLength(ring);
        position = std::fmod(std::fmod(position + distance, perimeter) + perimeter, perimeter);
        for (int e = 0; e < n; ++e) {
            const double side = QLineF(ring[e], ring[e + 1]).length();
            if (position <= side)
                return onEdge(e, position / side);
            position -= side;
        }
        return onEdge(0, 0);
    }
    const Polygon &path = figure.cuts[anchor.cut];
    const int segments = path.size() - 1;
    const double at = anchor.t * segments;
    const int segment = std::clamp(int(at), 0, segments - 1);
    double position = pathLength(path.mid(0, segment + 1))
        + (at - segment) * QLineF(path[segment], path[segment + 1]).length();
    position += distance;
    if (position <= 0 || position >= pathLength(path))
        return std::nullopt;
    for (int s = 0; s < segments; ++s) {
        const double piece = QLineF(path[s], path[s + 1]).length();
        if (position <= piece)
            return onCut(anchor.cut, (s + position / piece) / segments);
        position -= piece;
    }
    return std::nullopt;
}

} // namespace

OutlineSpec rectangle(double width, double height)
{
    return { Kind::Rectangle, { width, height, 0, 0 } };
}
OutlineSpec square(double side)
{
    return rectangle(side, side);
}
OutlineSpec triangle(double base, double height, double apex)
{
    return { Kind::Triangle, { base, height, apex, 0 } };
}
OutlineSpec trapezium(double bottom, double height, double top, double offset)
{
    return { Kind::Trapezium, { bottom, height, top, offset } };
}
OutlineSpec parallelogram(double width, double height, double slant)
{
    return { Kind::Parallelogram, { width, height, slant, 0 } };
}
OutlineSpec regular(int corners, double radius, double start)
{
    return { Kind::Regular, { double(corners), radius, start, 0 } };
}
OutlineSpec circle(double radius)
{
    return { Kind::Circle, { radius, 0, 0, 0 } };
}
OutlineSpec halfDisc(double radius)
{
    return { Kind::HalfDisc, { radius, 0, 0, 0 } };
}
OutlineSpec house(double width, double wall, double roof)
{
    return { Kind::House, { width, wall, roof, 0 } };
}
OutlineSpec lShape(double width, double height, double notchWidth, double notchHeight)
{
    return { Kind::LShape, { width, height, notchWidth, notchHeight } };
}
OutlineSpec kite(double width, double height, double cross)
{
    return { Kind::Kite, { width, height, cross, 0 } };
}

Polygon regularPolygon(int corners, double radius, double startDegrees)
{
    Polygon polygon;
    for (int k = 0; k < corners; ++k) {
        const double angle = qDegreesToRadians(startDegrees + 360.0 * k / corners);
        polygon << QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return polygon;
}

Polygon outlinePolygon(const OutlineSpec &outline)
{
    const auto [a, b, c, d] = outline.measures;
    switch (outline.kind) {
    case Kind::Rectangle:
        return Polygon { { -a / 2, -b / 2 }, { a / 2, -b / 2 }, { a / 2, b / 2 }, { -a / 2, b / 2 } };
    case Kind::Triangle:
        return Polygon { { -a / 2, b / 2 }, { -a / 2 + c * a, -b / 2 }, { a / 2, b / 2 } };
    case Kind::Trapezium: {
        const double left = -a / 2 + (a - c) * d;
        return Polygon { { -a / 2, b / 2 }, { left, -b / 2 }, { left + c, -b / 2 }, { a / 2, b / 2 } };
    }
    case Kind::Parallelogram:
        return Polygon { { -a / 2 - c / 2, b / 2 }, { -a / 2 + c / 2, -b / 2 }, { a / 2 + c / 2, -b / 2 },
            { a / 2 - c / 2, b / 2 } };
    case Kind::Regular:
        return regularPolygon(int(a), b, c);
    case Kind::Circle:
        return regularPolygon(CircleCorners, a, 0);
    case Kind::HalfDisc: {
        Polygon arc;
        for (int k = 0; k <= CircleCorners / 2; ++k) {
            const double angle = qDegreesToRadians(180.0 + 360.0 * k / CircleCorners);
            arc << QPointF(a * std::cos(angle), a * std::sin(angle) + a / 2);
        }
        return arc;
    }
    case Kind::House: {
        const double top = -(b + c) / 2;
        return Polygon { { -a / 2, -top }, { -a / 2, top + c }, { 0, top }, { a / 2, top + c },
            { a / 2, -top } };
    }
    case Kind::LShape:
        return Polygon { { -a / 2, -b / 2 }, { a / 2 - c, -b / 2 }, { a / 2 - c, -b / 2 + d },
            { a / 2, -b / 2 + d }, { a / 2, b / 2 }, { -a / 2, b / 2 } };
    case Kind::Kite:
        return Polygon { { 0, -b / 2 }, { a / 2, -b / 2 + c * b }, { 0, b / 2 }, { -a / 2, -b / 2 + c * b } };
    }
    return {};
}

Anchor onEdge(int edge, double t)
{
    return { -1, edge, t };
}

Anchor onCut(int cut, double t)
{
    return { cut, 0, t };
}

CutSpec cut(Anchor from, Anchor to, QVector<QPointF> via)
{
    return { from, to, via };
}

std::optional<Figure> build(const Design &design)
{
    Figure figure;
    figure.outline = outlinePolygon(design.outline);
    figure.pieces = { Shape { figure.outline, {} } };
    const QRectF box = figure.outline.boundingRect();
    for (const CutSpec &cut : design.cuts) {
        const std::optional<QPointF> from = resolve(cut.from, figure);
        const std::optional<QPointF> to = resolve(cut.to, figure);
        if (!from || !to)
            return std::nullopt;
        Polygon path { *from };
        for (const QPointF &bend : cut.via)
            path << QPointF(box.left() + bend.x() * box.width(), box.top() + bend.y() * box.height());
        path << *to;
        if (!cutAlong(figure, path))
            return std::nullopt;
        figure.cuts.append(path);
    }
    if (!wellFormed(figure))
        return std::nullopt;
    return figure;
}

Figure mirrored(const Figure &figure)
{
    Figure image { SpatialGeometry::mirrored(figure.outline), {}, {} };
    for (const Polygon &path : figure.cuts) {
        Polygon reflected;
        for (const QPointF &point : path)
            reflected << QPointF(-point.x(), point.y());
        image.cuts.append(reflected);
    }
    for (const Shape &piece : figure.pieces)
        image.pieces.append(SpatialGeometry::mirrored(piece));
    return image;
}

Figure mapped(const Figure &figure, const QTransform &transform)
{
    Figure result { transform.map(figure.outline), {}, {} };
    for (const Polygon &path : figure.cuts)
        result.cuts.append(transform.map(path));
    for (const Shape &piece : figure.pieces)
        result.pieces.append(SpatialGeometry::mapped(piece, transform));
    return result;
}

Figure withInnerFigure(Figure figure, const Polygon &loop)
{
    for (Shape &piece : figure.pieces) {
        if (contains(piece.outline, loop.first())) {
            piece.holes.append(loop);
            break;
        }
    }
    figure.pieces.append(Shape { loop, {} });
    Polygon closed = loop;
    closed << loop.first();
    figure.cuts.append(closed);
    return figure;
}

bool lookAlike(const Figure &a, const Figure &b, double margin)
{
    return sameShapes(a.pieces, b.pieces, [margin](const Shape &x, const Shape &y) {
        return alike(x, y, VisibleLength * margin, VisibleAngle * margin);
    });
}

QVector<Variant> variantsOf(const Design &design, const Figure &right, const Variation &variation)
{
    QVector<Variant> found;
    int change = 0;
    auto add = [&](const Design &changed, Alteration alteration) {
        if (const std::optional<Figure> figure = build(changed))
            found.append({ change, alteration, *figure });
    };
    for (int c = 0; c < design.cuts.size(); ++c) {
        const CutSpec &cut = design.cuts[c];
        for (Anchor CutSpec::*end : { &CutSpec::from, &CutSpec::to }) {
            for (double shift : variation.shifts) {
                for (double sign : { -1.0, 1.0 }) {
                    if (const std::optional<Anchor> moved = shifted(cut.*end, sign * shift, right)) {
                        Design changed = design;
                        changed.cuts[c].*end = *moved;
                        add(changed, Alteration::CutEndMoved);
                    }
                }
            }
            ++change;
        }
        // The whole cut slid along.
        for (double shift : variation.shifts) {
            for (double sign : { -1.0, 1.0 }) {
                const std::optional<Anchor> from = shifted(cut.from, sign * shift, right);
                const std::optional<Anchor> to = shifted(cut.to, -sign * shift, right);
                if (from && to) {
                    Design changed = design;
                    changed.cuts[c].from = *from;
                    changed.cuts[c].to = *to;
                    add(changed, Alteration::CutSlid);
                }
            }
        }
        ++change;
        for (int b = 0; b < cut.via.size(); ++b) {
            for (const QPointF step : { QPointF(variation.bendShift, 0), QPointF(0, variation.bendShift) }) {
                for (double sign : { -1.0, 1.0 }) {
                    Design changed = design;
                    changed.cuts[c].via[b] += sign * step;
                    add(changed, Alteration::BendMoved);
                }
            }
            ++change;
        }
    }
    for (const OutlineSpec &shape : reshaped(design.outline, variation.reshape)) {
        Design changed = design;
        changed.outline = shape;
        add(changed, Alteration::Reshaped);
    }
    ++change;
    if (variation.mirrors) {
        // Mirror images of changed figures too, so that the right figure and its mirror image are not
        // the only pair of twins on show.
        const int changedCount = found.size();
        found.append({ change++, Alteration::Mirrored, mirrored(right) });
        for (int i = 0; i < changedCount; ++i)
            found.append({ change, Alteration::MirroredAndRecut, mirrored(found[i].figure) });
    }
    return found;
}

} // namespace SpatialPuzzles
