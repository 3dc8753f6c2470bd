#include "spatialpuzzles.h"

#include "trials/spatial/spatialkey.h"

#include <QSet>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

namespace SpatialPuzzles {

using namespace SpatialGeometry;

namespace {

// splitmix64: the same numbers on every platform, unlike the standard distributions.
class SeededSequence {
public:
    explicit SeededSequence(quint64 seed)
        : state(seed)
    {
    }
    quint64 next()
    {
        quint64 z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // 0 to n - 1; n is tiny, so the modulo bias is negligible.
    int below(int n) { return int(next() % quint64(n)); }
    template <typename T> void shuffle(QVector<T> &items)
    {
        for (int i = items.size() - 1; i > 0; --i)
            items.swapItemsAt(i, below(i + 1));
    }

private:
    quint64 state;
};

// ---- Outlines -------------------------------------------------------------------------------------

enum class Kind {
    Rectangle,
    Triangle,
    Trapezium,
    Parallelogram,
    Regular,
    Circle,
    HalfDisc,
    House,
    LShape,
    Kite
};

// An outline kind and its measures (pixels, or fractions where said); the corners are listed clockwise
// on screen, which is the positive order in picture coordinates.
struct OutlineSpec {
    Kind kind;
    std::array<double, 4> measures;
};

// Corners: top left, top right, bottom right, bottom left.
OutlineSpec rectangle(double width, double height)
{
    return { Kind::Rectangle, { width, height, 0, 0 } };
}
OutlineSpec square(double side)
{
    return rectangle(side, side);
}
// Corners: bottom left, apex, bottom right; `apex` is the apex's place above the base, 0 to 1 from the left.
OutlineSpec triangle(double base, double height, double apex)
{
    return { Kind::Triangle, { base, height, apex, 0 } };
}
// Corners: bottom left, top left, top right, bottom right; `offset`, 0 to 1, places the top edge.
OutlineSpec trapezium(double bottom, double height, double top, double offset)
{
    return { Kind::Trapezium, { bottom, height, top, offset } };
}
// Corners: bottom left, top left, top right, bottom right.
OutlineSpec parallelogram(double width, double height, double slant)
{
    return { Kind::Parallelogram, { width, height, slant, 0 } };
}
// Corner k at `start` + k * 360 / corners degrees, clockwise from the right.
OutlineSpec regular(int corners, double radius, double start)
{
    return { Kind::Regular, { double(corners), radius, start, 0 } };
}
// 72 corners, 5 degrees apart: corner 0 at the right, 18 at the bottom, 36 at the left, 54 at the top.
OutlineSpec circle(double radius)
{
    return { Kind::Circle, { radius, 0, 0, 0 } };
}
// Corners 0 to 36 along the arc from the left end over the top (corner 18) to the right end; edge 36 is
// the diameter, its middle the centre.
OutlineSpec halfDisc(double radius)
{
    return { Kind::HalfDisc, { radius, 0, 0, 0 } };
}
// Corners: bottom left, left eave, ridge, right eave, bottom right.
OutlineSpec house(double width, double wall, double roof)
{
    return { Kind::House, { width, wall, roof, 0 } };
}
// The notch is at the top right. Corners: top left, top of the notch, inner corner, right of the notch,
// bottom right, bottom left.
OutlineSpec lShape(double width, double height, double notchWidth, double notchHeight)
{
    return { Kind::LShape, { width, height, notchWidth, notchHeight } };
}
// Corners: top, right, bottom, left; `cross` places the left and right corners, 0 to 1 from the top.
OutlineSpec kite(double width, double height, double cross)
{
    return { Kind::Kite, { width, height, cross, 0 } };
}

constexpr int CircleCorners = 72;

Polygon regularPolygon(int corners, double radius, double startDegrees)
{
    Polygon polygon;
    for (int k = 0; k < corners; ++k) {
        const double angle = qDegreesToRadians(startDegrees + 360.0 * k / corners);
        polygon << QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return polygon;
}

Polygon outlinePolygon(const OutlineSpec &spec)
{
    const auto [a, b, c, d] = spec.measures;
    switch (spec.kind) {
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

// The same kind of outline with other proportions or another size: `amount` is the relative change.
QVector<OutlineSpec> reshaped(const OutlineSpec &spec, double amount)
{
    QVector<OutlineSpec> shapes;
    auto scaledMeasure = [&](int index, double factor) {
        for (double sign : { -1.0, 1.0 }) {
            OutlineSpec changed = spec;
            changed.measures[size_t(index)] *= 1 + sign * factor * amount;
            shapes.append(changed);
        }
    };
    auto movedMeasure = [&](int index) {
        for (double sign : { -1.0, 1.0 }) {
            OutlineSpec changed = spec;
            changed.measures[size_t(index)]
                = std::clamp(changed.measures[size_t(index)] + sign * amount, 0.0, 1.0);
            shapes.append(changed);
        }
    };
    switch (spec.kind) {
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

// ---- Cuts -----------------------------------------------------------------------------------------

// A point where a cut starts or ends: on edge `edge` of the outline (from its corner `edge` towards the
// next) when `cut` is -1, otherwise on the earlier cut `cut`; `t` is the fraction of the way.
struct Anchor {
    int cut = -1;
    int edge = 0;
    double t = 0;
};
Anchor E(int edge, double t = 0)
{
    return { -1, edge, t };
}
Anchor C(int cut, double t)
{
    return { cut, 0, t };
}

// A cut from one anchor to another, straight or through bends given as fractions of the outline's
// bounding box.
struct CutSpec {
    Anchor from;
    Anchor to;
    QVector<QPointF> via;
};
CutSpec cut(Anchor from, Anchor to, QVector<QPointF> via = {})
{
    return { from, to, via };
}

struct Design {
    OutlineSpec outline;
    QVector<CutSpec> cuts;
};

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

QPointF resolve(const Anchor &anchor, const Figure &figure)
{
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

std::optional<Figure> build(const Design &design)
{
    Figure figure;
    figure.outline = outlinePolygon(design.outline);
    figure.pieces = { Shape { figure.outline, {} } };
    const QRectF box = figure.outline.boundingRect();
    for (const CutSpec &spec : design.cuts) {
        Polygon path { resolve(spec.from, figure) };
        for (const QPointF &bend : spec.via)
            path << QPointF(box.left() + bend.x() * box.width(), box.top() + bend.y() * box.height());
        path << resolve(spec.to, figure);
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

// A figure cut out of the inside of the piece that holds it.
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

// ---- Distractors -----------------------------------------------------------------------------------

// How far the wrong figures stray from the right one, and how the loose pieces may be turned: the later
// the question, the closer the wrong figures and the freer the turns.
struct Tuning {
    QVector<double> shifts; // pixels a cut end moves along its edge
    double bendShift; // fraction of the bounding box a bend moves
    double reshape; // relative change of the outline's proportions
    bool mirrors; // mirror images among the wrong figures
    QVector<int> angles; // degrees
};

QVector<int> anglesInSteps(int step, int from)
{
    QVector<int> angles;
    for (int angle = from; angle <= 360 - from; angle += step)
        angles.append(angle);
    return angles;
}

Tuning tuningFor(int question)
{
    if (question <= 12)
        return { { 26, 38 }, 0.22, 0.22, false, anglesInSteps(90, 90) };
    if (question <= 30)
        return { { 18, 28 }, 0.16, 0.17, question > 20, anglesInSteps(45, 45) };
    return { { 12, 20, 28 }, 0.12, 0.13, true, anglesInSteps(15, 30) };
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
                return E(e, position / side);
            position -= side;
        }
        return E(0, 0);
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
            return C(anchor.cut, (s + position / piece) / segments);
        position -= piece;
    }
    return std::nullopt;
}

struct Variant {
    int kind; // what was changed: wrong figures of different kinds make a better set
    Figure figure;
};

QVector<Variant> variantsOf(const Design &design, const Figure &right, const Tuning &tuning)
{
    QVector<Variant> found;
    int kind = 0;
    auto add = [&](const Design &changed) {
        if (const std::optional<Figure> figure = build(changed))
            found.append({ kind, *figure });
    };
    for (int c = 0; c < design.cuts.size(); ++c) {
        const CutSpec &spec = design.cuts[c];
        for (Anchor CutSpec::*end : { &CutSpec::from, &CutSpec::to }) {
            for (double shift : tuning.shifts) {
                for (double sign : { -1.0, 1.0 }) {
                    if (const std::optional<Anchor> moved = shifted(spec.*end, sign * shift, right)) {
                        Design changed = design;
                        changed.cuts[c].*end = *moved;
                        add(changed);
                    }
                }
            }
            ++kind;
        }
        // The whole cut slid along.
        for (double shift : tuning.shifts) {
            for (double sign : { -1.0, 1.0 }) {
                const std::optional<Anchor> from = shifted(spec.from, sign * shift, right);
                const std::optional<Anchor> to = shifted(spec.to, -sign * shift, right);
                if (from && to) {
                    Design changed = design;
                    changed.cuts[c].from = *from;
                    changed.cuts[c].to = *to;
                    add(changed);
                }
            }
        }
        ++kind;
        for (int b = 0; b < spec.via.size(); ++b) {
            for (const QPointF step : { QPointF(tuning.bendShift, 0), QPointF(0, tuning.bendShift) }) {
                for (double sign : { -1.0, 1.0 }) {
                    Design changed = design;
                    changed.cuts[c].via[b] += sign * step;
                    add(changed);
                }
            }
            ++kind;
        }
    }
    for (const OutlineSpec &shape : reshaped(design.outline, tuning.reshape)) {
        Design changed = design;
        changed.outline = shape;
        add(changed);
    }
    ++kind;
    if (tuning.mirrors) {
        // Mirror images of changed figures too, so that the right figure and its mirror image are not
        // the only pair of twins on show.
        const int changedCount = found.size();
        found.append({ kind++, mirrored(right) });
        for (int i = 0; i < changedCount; ++i)
            found.append({ kind, mirrored(found[i].figure) });
    }
    return found;
}

// Wrong figures must differ from the right one, and from each other, by a margin over what is visible.
constexpr double ChoiceMargin = 1.6;

bool fitsCell(const Figure &figure)
{
    const QSizeF size = figure.outline.boundingRect().size();
    const QRectF room = drawingRect(1);
    return size.width() <= room.width() && size.height() <= room.height();
}

QVector<Figure> distractorsFor(const Figure &right, QVector<Variant> variants, SeededSequence &random)
{
    random.shuffle(variants);
    QVector<Figure> chosen;
    QSet<int> kindsUsed;
    // First one wrong figure per kind of change, then any.
    for (int pass = 0; pass < 2; ++pass) {
        for (const Variant &variant : variants) {
            if (chosen.size() == SpatialKey::ChoiceCount - 1)
                return chosen;
            if (pass == 0 && kindsUsed.contains(variant.kind))
                continue;
            if (!fitsCell(variant.figure) || lookAlike(variant.figure, right, ChoiceMargin))
                continue;
            if (std::any_of(chosen.begin(), chosen.end(),
                    [&](const Figure &other) { return lookAlike(variant.figure, other, ChoiceMargin); }))
                continue;
            chosen.append(variant.figure);
            kindsUsed.insert(variant.kind);
        }
    }
    return chosen;
}

// ---- The example of the instructions (question 1) ------------------------------------------------

const OutlineSpec ExampleTriangle = triangle(56, 96, 0.5);

Design exampleDesign()
{
    return { ExampleTriangle, { cut(E(1), E(2, 0.5)) } };
}

QVector<Figure> exampleDistractors()
{
    const Figure plain = *build({ ExampleTriangle, {} });
    const QPointF middle = centroid(plain.outline);
    const Polygon innerTriangle = QTransform::fromScale(0.36, 0.36).map(plain.outline.translated(-middle));
    return {
        withInnerFigure(plain, regularPolygon(CircleCorners, 12, 0).translated(0, 20)),
        withInnerFigure(plain, innerTriangle.translated(middle)),
        withInnerFigure(plain, outlinePolygon(square(20)).translated(0, 24)),
        *build({ ExampleTriangle, { cut(E(0), E(1, 0.5)), cut(E(2), E(0, 0.5)) } }),
    };
}

// ---- Questions 2 to 60 ----------------------------------------------------------------------------

const QVector<Design> &designs()
{
    static const QVector<Design> table = {
        // Two pieces.
        { square(76), { cut(E(0), E(2)) } }, // 2
        { rectangle(92, 56), { cut(E(0), E(2, 0.3)) } },
        { triangle(84, 76, 0.5), { cut(E(0, 0.5), E(1, 0.5)) } }, { circle(42), { cut(E(3), E(33)) } },
        { regular(6, 46, 0), { cut(E(0), E(3)) } }, { triangle(84, 70, 0), { cut(E(0), E(1, 0.4)) } },
        { trapezium(92, 60, 50, 0.5), { cut(E(1, 0.3), E(3, 0.65)) } },
        { halfDisc(46), { cut(E(36, 0.5), E(12)) } },
        { parallelogram(70, 56, 30), { cut(E(1), E(3, 0.4)) } }, // 10
        { house(64, 48, 30), { cut(E(0, 0.5), E(2, 0.5)) } },
        { regular(5, 46, -90), { cut(E(0), E(2, 0.35)) } },
        { square(76), { cut(E(0, 0.35), E(2, 0.35), { { 0.3, 0.6 } }) } },
        { kite(72, 92, 0.33), { cut(E(0), E(2, 0.45)) } },
        { rectangle(88, 60), { cut(E(0, 0.62), E(2, 0.62), { { 0.62, 0.5 }, { 0.38, 0.5 } }) } },
        { circle(42), { cut(E(0), E(30), { { 0.5, 0.5 } }) } },
        // Three pieces.
        { square(76), { cut(E(0), E(1, 0.5)), cut(E(0), E(2, 0.5)) } },
        { triangle(90, 76, 0.4), { cut(E(1), E(2, 0.3)), cut(E(1), E(2, 0.7)) } },
        { rectangle(92, 56), { cut(E(0, 0.25), E(2, 0.9)), cut(E(0, 0.62), E(2, 0.25)) } },
        { halfDisc(46), { cut(E(36, 0.5), E(10)), cut(E(36, 0.5), E(24)) } }, // 20
        { circle(42), { cut(E(0), E(28), { { 0.5, 0.5 } }), cut(C(0, 0.5), E(50)) } },
        { regular(6, 46, -90), { cut(E(0), E(2), { { 0.5, 0.5 } }), cut(C(0, 0.5), E(4)) } },
        { regular(5, 46, -90), { cut(E(0), E(2)), cut(E(0), E(3)) } },
        { house(70, 50, 30), { cut(E(1), E(3)), cut(C(0, 0.4), E(4, 0.6)) } },
        { trapezium(90, 64, 46, 0), { cut(E(2), E(3, 0.5)), cut(E(0, 0.5), C(0, 0.5)) } },
        { parallelogram(76, 56, 30), { cut(E(1), E(3)), cut(C(0, 0.5), E(1, 0.7)) } },
        { square(76), { cut(E(3, 0.3), E(1, 0.6)), cut(C(0, 0.45), E(2, 0.3)) } },
        { circle(42), { cut(E(64), E(44)), cut(C(0, 0.5), E(18)) } },
        { rectangle(92, 60), { cut(E(3, 0.5), E(1, 0.3), { { 0.45, 0.35 } }), cut(C(0, 0.5), E(2, 0.4)) } },
        { kite(76, 92, 0.35), { cut(E(1), E(3)), cut(E(0), C(0, 0.5)) } }, // 30
        { lShape(88, 80, 40, 36), { cut(E(2), E(4, 0.5)), cut(E(5, 0.5), C(0, 0.5)) } },
        { regular(6, 46, 0), { cut(E(4), E(1)), cut(E(0), C(0, 0.5)) } },
        { triangle(92, 80, 0.5), { cut(E(0, 0.5), E(2, 0.5)), cut(E(1, 0.5), E(2, 0.5)) } },
        { halfDisc(46), { cut(E(36, 0.5), E(18)), cut(E(24), E(36, 0.15)) } },
        { regular(5, 46, -90), { cut(E(1), E(4)), cut(E(0), C(0, 0.5)) } },
        { trapezium(92, 64, 44, 0.5), { cut(E(1), E(3, 0.7)), cut(E(2), E(3, 0.3)) } },
        { circle(42), { cut(E(6), E(30)), cut(E(40), E(68)) } },
        { square(76), { cut(E(0), E(1, 0.6), { { 0.45, 0.55 } }), cut(C(0, 0.5), E(2, 0.5)) } },
        // Two pieces along a zigzag.
        { rectangle(92, 56), { cut(E(0, 0.3), E(2, 0.2), { { 0.5, 0.3 }, { 0.6, 0.75 } }) } },
        { house(70, 50, 30), { cut(E(0, 0.4), E(3, 0.45)), cut(E(2), C(0, 0.5)) } }, // 40
        // Four pieces.
        { square(76), { cut(E(0, 0.35), E(2, 0.4)), cut(E(3, 0.4), E(1, 0.3)) } },
        { circle(42), { cut(E(4), E(38)), cut(E(58), E(26)) } },
        { triangle(92, 80, 0.45),
            { cut(E(0, 0.5), E(1, 0.45)), cut(E(1, 0.45), E(2, 0.55)), cut(E(2, 0.55), E(0, 0.5)) } },
        { rectangle(92, 60),
            { cut(E(0, 0.3), E(2, 0.75)), cut(E(0, 0.7), E(2, 0.3)), cut(E(3, 0.5), C(0, 0.5)) } },
        { regular(6, 46, -90), { cut(E(0), E(3)), cut(C(0, 0.5), E(2)), cut(C(0, 0.5), E(5)) } },
        { halfDisc(46), { cut(E(36, 0.5), E(7)), cut(E(36, 0.5), E(19)), cut(E(36, 0.5), E(29)) } },
        { regular(5, 46, -90),
            { cut(E(1), E(4), { { 0.42, 0.6 } }), cut(C(0, 0.5), E(2, 0.4)), cut(E(0), C(0, 0.5)) } },
        { lShape(88, 80, 40, 36),
            { cut(E(2), E(4, 0.5)), cut(E(5, 0.6), C(0, 0.5)), cut(E(0, 0.45), C(1, 0.6)) } },
        { parallelogram(72, 56, 28), { cut(E(1, 0.35), E(3, 0.45)), cut(E(0, 0.5), E(2, 0.4)) } },
        { kite(76, 92, 0.35), { cut(E(0), E(2)), cut(E(3, 0.3), E(1, 0.6)) } }, // 50
        { trapezium(92, 64, 50, 0.5),
            { cut(E(1, 0.2), E(3, 0.75)), cut(E(1, 0.8), E(3, 0.25)), cut(E(0, 0.5), C(0, 0.5)) } },
        { circle(42), { cut(E(54), E(18)), cut(C(0, 0.5), E(4)), cut(C(0, 0.5), E(44)) } },
        { square(76), { cut(E(0, 0.3), E(2, 0.3)), cut(E(3, 0.6), C(0, 0.4)), cut(C(0, 0.7), E(1, 0.4)) } },
        { rectangle(92, 56),
            { cut(E(0, 0.6), E(2, 0.6), { { 0.6, 0.5 }, { 0.35, 0.5 } }), cut(E(0, 0.25), C(0, 0.5)),
                cut(E(1, 0.2), E(2, 0.3)) } },
        { regular(6, 46, 0), { cut(E(0), E(3)), cut(E(1), E(4)) } },
        { triangle(92, 80, 0.3), { cut(E(1), E(2, 0.5)), cut(E(0, 0.5), E(1, 0.6)) } },
        { house(72, 50, 30), { cut(E(1), E(3)), cut(E(2), C(0, 0.55)), cut(C(0, 0.55), E(4, 0.4)) } },
        { circle(42), { cut(E(2), E(34)), cut(E(60), E(20)) } },
        { lShape(84, 84, 36, 40),
            { cut(E(0, 0.5), E(4, 0.3)), cut(E(2, 0.5), C(0, 0.7)), cut(E(5, 0.4), C(0, 0.3)) } },
        { regular(5, 46, -90), { cut(E(0), E(2, 0.35)), cut(E(1), E(3, 0.8)) } }, // 60
    };
    return table;
}

// ---- Pictures of a question -------------------------------------------------------------------

QTransform turn(int degrees)
{
    // Quarter turns exactly, so that straight edges stay on the pixel grid.
    switch (((degrees % 360) + 360) % 360) {
    case 0:
        return QTransform();
    case 90:
        return QTransform(0, 1, -1, 0, 0, 0);
    case 180:
        return QTransform(-1, 0, 0, -1, 0, 0);
    case 270:
        return QTransform(0, -1, 1, 0, 0, 0);
    default: {
        const double radians = qDegreesToRadians(double(degrees));
        return QTransform(std::cos(radians), std::sin(radians), -std::sin(radians), std::cos(radians), 0, 0);
    }
    }
}

// Whether turning the piece by `degrees` would leave it looking unturned.
bool looksUnturned(const Polygon &piece, int degrees)
{
    const QPointF middle = centroid(piece);
    const Polygon turned = turn(degrees).map(piece.translated(-middle)).translated(middle);
    return std::all_of(turned.begin(), turned.end(), [&piece](const QPointF &corner) {
        return std::any_of(piece.begin(), piece.end(),
            [&corner](const QPointF &other) { return QLineF(corner, other).length() < 0.5; });
    });
}

constexpr int TurnsTried = 6;

QPointF rounded(QPointF point)
{
    return QPointF(std::round(point.x()), std::round(point.y()));
}

// The loose pieces: each turned, then pushed towards its own corner of the framed cell, clear of the
// others; the group is centred at the end.
std::optional<QVector<LoosePiece>> scatter(
    const Figure &figure, SeededSequence random, const QVector<int> &angles)
{
    const QRectF room = drawingRect(0);
    const int count = figure.pieces.size();
    QVector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
        [&figure](int a, int b) { return area(figure.pieces[a]) > area(figure.pieces[b]); });
    const std::array<QPointF, 4> corners { room.topLeft(), room.topRight(), room.bottomRight(),
        room.bottomLeft() };
    const int first = random.below(4);
    const std::array<int, 4> cornerOrder { 0, 2, 1, 3 };

    QVector<LoosePiece> placed;
    for (int k = 0; k < count; ++k) {
        const Polygon &piece = figure.pieces[order[k]].outline;
        const QPointF target = corners[size_t((first + cornerOrder[size_t(k % 4)]) % 4)];
        QVector<int> tries = angles;
        random.shuffle(tries);
        // A few turns are enough; past them a smaller drawing serves better than a long search.
        tries.resize(std::min<int>(tries.size(), TurnsTried));
        bool done = false;
        for (int degrees : tries) {
            if (done)
                break;
            if (looksUnturned(piece, degrees))
                continue;
            const QTransform turning = turn(degrees);
            const Polygon turned = turning.map(piece);
            const QRectF box = turned.boundingRect();
            QVector<QPointF> shifts;
            for (double dx = std::ceil(room.left() - box.left()); dx <= room.right() - box.right(); dx += 2) {
                for (double dy = std::ceil(room.top() - box.top()); dy <= room.bottom() - box.bottom();
                     dy += 2)
                    shifts.append(QPointF(dx, dy));
            }
            std::stable_sort(shifts.begin(), shifts.end(), [&](QPointF a, QPointF b) {
                return QLineF(box.center() + a, target).length() < QLineF(box.center() + b, target).length();
            });
            for (const QPointF &shift : shifts) {
                const Polygon moved = turned.translated(shift);
                const QRectF reach = moved.boundingRect().adjusted(-PieceGap, -PieceGap, PieceGap, PieceGap);
                const bool clear = std::all_of(placed.begin(), placed.end(), [&](const LoosePiece &other) {
                    return !reach.intersects(other.shown.boundingRect())
                        || distance(moved, other.shown) >= PieceGap;
                });
                if (clear) {
                    placed.append(
                        { order[k], turning * QTransform::fromTranslate(shift.x(), shift.y()), moved });
                    done = true;
                    break;
                }
            }
        }
        if (!done)
            return std::nullopt;
    }
    QRectF group;
    for (const LoosePiece &loose : placed)
        group = group.united(loose.shown.boundingRect());
    // Whole pixels, as far as the room allows.
    const QPointF ideal = room.center() - group.center();
    const QPointF centring(
        std::clamp(std::round(ideal.x()), room.left() - group.left(), room.right() - group.right()),
        std::clamp(std::round(ideal.y()), room.top() - group.top(), room.bottom() - group.bottom()));
    for (LoosePiece &loose : placed) {
        loose.placement *= QTransform::fromTranslate(centring.x(), centring.y());
        loose.shown.translate(centring);
    }
    return placed;
}

std::optional<QTransform> placementIn(int cell, const Figure &figure)
{
    const QRectF room = drawingRect(cell);
    const QRectF box = figure.outline.boundingRect();
    if (box.width() > room.width() || box.height() > room.height())
        return std::nullopt;
    const QPointF shift = rounded(room.center() - box.center());
    return QTransform::fromTranslate(shift.x(), shift.y());
}

} // namespace

QRectF cellRect(int cell)
{
    const int column = cell % 2;
    const int row = cell / 2;
    const double width = PictureWidth / 2.0;
    const double top = row * 113.0;
    const double bottom = row == 2 ? PictureHeight : top + 113.0;
    return QRectF(column * width, top, width, bottom - top);
}

QRectF drawingRect(int cell)
{
    if (cell == 0)
        return cellRect(0).adjusted(8, 8, -8, -8);
    return cellRect(cell).adjusted(18, 6, -6, -6);
}

bool lookAlike(const Figure &a, const Figure &b, double margin)
{
    return sameShapes(a.pieces, b.pieces, [margin](const Shape &x, const Shape &y) {
        return alike(x, y, VisibleLength * margin, VisibleAngle * margin);
    });
}

Puzzle puzzle(int question)
{
    if (question < 1 || question > SpatialKey::QuestionCount)
        qFatal("spatial puzzle %d does not exist", question);
    const Tuning tuning = tuningFor(question);
    SeededSequence random(0x5a7a1000ULL + quint64(question));
    std::optional<Figure> right;
    QVector<Figure> wrong;
    if (question == 1) {
        right = build(exampleDesign());
        wrong = exampleDistractors();
    } else {
        const Design &design = designs().value(question - 2);
        right = build(design);
        if (right)
            wrong = distractorsFor(*right, variantsOf(design, *right, tuning), random);
    }
    if (!right || wrong.size() != SpatialKey::ChoiceCount - 1)
        qFatal("spatial puzzle %d: no sound figure or too few wrong ones", question);

    Puzzle result;
    result.question = question;
    result.answer = SpatialKey::AnswerValues[size_t(question - 1)];
    // Smaller when the pieces do not fit the framed cell at full size.
    for (double scale = 1.0; scale > 0.6; scale -= 0.05) {
        const QTransform zoom = QTransform::fromScale(scale, scale);
        const Figure scaledRight = mapped(*right, zoom);
        bool fits = true;
        int nextWrong = 0;
        for (int slot = 0; slot < SpatialKey::ChoiceCount && fits; ++slot) {
            const Figure figure = slot == result.answer - 1 ? scaledRight : mapped(wrong[nextWrong++], zoom);
            const std::optional<QTransform> placement = placementIn(slot + 1, figure);
            fits = placement.has_value();
            if (fits)
                result.candidates[size_t(slot)] = { figure, *placement };
        }
        if (!fits)
            continue;
        if (const std::optional<QVector<LoosePiece>> loose = scatter(scaledRight, random, tuning.angles)) {
            result.loosePieces = *loose;
            return result;
        }
    }
    qFatal("spatial puzzle %d: the pieces do not fit", question);
    return result;
}

} // namespace SpatialPuzzles
