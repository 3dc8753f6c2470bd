#include "spatialpuzzles.h"

#include "series.h"
#include "spatial/spatialbank.h"
#include "spatialpictures.h"
#include "spatialreading.h"

#include <QSet>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <numeric>

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
    // From low to high, from the top 53 bits: the same double on every platform.
    double between(double low, double high) { return low + (high - low) * double(next() >> 11) * 0x1.0p-53; }
    template <typename T> void shuffle(QVector<T> &items)
    {
        for (int i = items.size() - 1; i > 0; --i)
            items.swapItemsAt(i, below(i + 1));
    }

private:
    quint64 state;
};

// How far the wrong figures stray from the right one, and how the loose pieces may be turned: the later
// the question, the closer the wrong figures and the freer the turns.
struct Tuning {
    Variation variation;
    double margin; // times a visible difference the wrong figures keep from the right one and each other
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
        return { { { 26, 38 }, 0.22, 0.22, false }, 3.0, anglesInSteps(90, 90) };
    if (question <= 30)
        return { { { 18, 28 }, 0.16, 0.17, question > 20 }, 2.2, anglesInSteps(45, 45) };
    return { { { 12, 20, 28 }, 0.12, 0.13, true }, 1.6, anglesInSteps(15, 30) };
}

bool fitsCell(const Figure &figure)
{
    const QSizeF size = figure.outline.boundingRect().size();
    const QRectF room = drawingRect(1);
    return size.width() <= room.width() && size.height() <= room.height();
}

QVector<Variant> distractorsFor(
    const Figure &right, QVector<Variant> variants, double margin, SeededSequence &random)
{
    random.shuffle(variants);
    QVector<Variant> chosen;
    QSet<int> changesUsed;
    // First one wrong figure per change, then any.
    for (int pass = 0; pass < 2; ++pass) {
        for (const Variant &variant : variants) {
            if (chosen.size() == SpatialBank::ChoiceCount - 1)
                return chosen;
            if (pass == 0 && changesUsed.contains(variant.change))
                continue;
            if (!fitsCell(variant.figure) || lookAlike(variant.figure, right, margin))
                continue;
            if (std::any_of(chosen.begin(), chosen.end(),
                    [&](const Variant &other) { return lookAlike(variant.figure, other.figure, margin); }))
                continue;
            chosen.append(variant);
            changesUsed.insert(variant.change);
        }
    }
    return chosen;
}

const OutlineSpec ExampleTriangle = triangle(56, 96, 0.5);

Design exampleDesign()
{
    return { ExampleTriangle, { cut(onEdge(1), onEdge(2, 0.5)) } };
}

QVector<Variant> exampleDistractors()
{
    const Figure plain = *build({ ExampleTriangle, {} });
    const QPointF middle = centroid(plain.outline);
    const Polygon innerTriangle = QTransform::fromScale(0.36, 0.36).map(plain.outline.translated(-middle));
    return {
        { 0, Alteration::InnerFigureAdded,
            withInnerFigure(plain, regularPolygon(CircleCorners, 12, 0).translated(0, 20)) },
        { 1, Alteration::InnerFigureAdded, withInnerFigure(plain, innerTriangle.translated(middle)) },
        { 2, Alteration::InnerFigureAdded,
            withInnerFigure(plain, outlinePolygon(square(20)).translated(0, 24)) },
        { 3, Alteration::CrossingCuts,
            *build({ ExampleTriangle, { cut(onEdge(0), onEdge(1, 0.5)), cut(onEdge(2), onEdge(0, 0.5)) } }) },
    };
}

const QVector<Design> &designs()
{
    static const QVector<Design> table = {
        // Two pieces.
        { square(76), { cut(onEdge(0), onEdge(2)) } }, // 2
        { rectangle(92, 56), { cut(onEdge(0), onEdge(2, 0.3)) } }, // 3
        { triangle(84, 76, 0.5), { cut(onEdge(0, 0.5), onEdge(1, 0.5)) } }, // 4
        { circle(42), { cut(onEdge(3), onEdge(33)) } }, // 5
        { regular(6, 46, 0), { cut(onEdge(0), onEdge(3)) } }, // 6
        { triangle(84, 70, 0), { cut(onEdge(0), onEdge(1, 0.4)) } }, // 7
        { trapezium(92, 60, 50, 0.5), { cut(onEdge(1, 0.3), onEdge(3, 0.65)) } }, // 8
        { halfDisc(46), { cut(onEdge(36, 0.5), onEdge(12)) } }, // 9
        { parallelogram(70, 56, 30), { cut(onEdge(1), onEdge(3, 0.4)) } }, // 10
        { house(64, 48, 30), { cut(onEdge(0, 0.5), onEdge(2, 0.5)) } }, // 11
        { regular(5, 46, -90), { cut(onEdge(0), onEdge(2, 0.35)) } }, // 12
        { square(76), { cut(onEdge(0, 0.35), onEdge(2, 0.35), { { 0.3, 0.6 } }) } }, // 13
        { kite(72, 92, 0.33), { cut(onEdge(0), onEdge(2, 0.45)) } }, // 14
        { rectangle(88, 60),
            { cut(onEdge(0, 0.62), onEdge(2, 0.62), { { 0.62, 0.5 }, { 0.38, 0.5 } }) } }, // 15
        { circle(42), { cut(onEdge(0), onEdge(30), { { 0.5, 0.5 } }) } }, // 16
        // Three pieces.
        { square(76), { cut(onEdge(0), onEdge(1, 0.5)), cut(onEdge(0), onEdge(2, 0.5)) } }, // 17
        { triangle(90, 76, 0.4), { cut(onEdge(1), onEdge(2, 0.3)), cut(onEdge(1), onEdge(2, 0.7)) } }, // 18
        { rectangle(92, 56),
            { cut(onEdge(0, 0.25), onEdge(2, 0.9)), cut(onEdge(0, 0.62), onEdge(2, 0.25)) } }, // 19
        { halfDisc(46), { cut(onEdge(36, 0.5), onEdge(10)), cut(onEdge(36, 0.5), onEdge(24)) } }, // 20
        { circle(42),
            { cut(onEdge(0), onEdge(28), { { 0.5, 0.5 } }), cut(onCut(0, 0.5), onEdge(50)) } }, // 21
        { regular(6, 46, -90),
            { cut(onEdge(0), onEdge(2), { { 0.5, 0.5 } }), cut(onCut(0, 0.5), onEdge(4)) } }, // 22
        { regular(5, 46, -90), { cut(onEdge(0), onEdge(2)), cut(onEdge(0), onEdge(3)) } }, // 23
        { house(70, 50, 30), { cut(onEdge(1), onEdge(3)), cut(onCut(0, 0.4), onEdge(4, 0.6)) } }, // 24
        { trapezium(90, 64, 46, 0),
            { cut(onEdge(2), onEdge(3, 0.5)), cut(onEdge(0, 0.5), onCut(0, 0.5)) } }, // 25
        { parallelogram(76, 56, 30),
            { cut(onEdge(1), onEdge(3)), cut(onCut(0, 0.5), onEdge(1, 0.7)) } }, // 26
        { square(76), { cut(onEdge(3, 0.3), onEdge(1, 0.6)), cut(onCut(0, 0.45), onEdge(2, 0.3)) } }, // 27
        { circle(42), { cut(onEdge(64), onEdge(44)), cut(onCut(0, 0.5), onEdge(18)) } }, // 28
        { rectangle(92, 60),
            { cut(onEdge(3, 0.5), onEdge(1, 0.3), { { 0.45, 0.35 } }),
                cut(onCut(0, 0.5), onEdge(2, 0.4)) } }, // 29
        { kite(76, 92, 0.35), { cut(onEdge(1), onEdge(3)), cut(onEdge(0), onCut(0, 0.5)) } }, // 30
        { lShape(88, 80, 40, 36),
            { cut(onEdge(2), onEdge(4, 0.5)), cut(onEdge(5, 0.5), onCut(0, 0.5)) } }, // 31
        { regular(6, 46, 0), { cut(onEdge(4), onEdge(1)), cut(onEdge(0), onCut(0, 0.5)) } }, // 32
        { triangle(92, 80, 0.5),
            { cut(onEdge(0, 0.5), onEdge(2, 0.5)), cut(onEdge(1, 0.5), onEdge(2, 0.5)) } }, // 33
        { halfDisc(46), { cut(onEdge(36, 0.5), onEdge(18)), cut(onEdge(24), onEdge(36, 0.15)) } }, // 34
        { regular(5, 46, -90), { cut(onEdge(1), onEdge(4)), cut(onEdge(0), onCut(0, 0.5)) } }, // 35
        { trapezium(92, 64, 44, 0.5),
            { cut(onEdge(1), onEdge(3, 0.7)), cut(onEdge(2), onEdge(3, 0.3)) } }, // 36
        { circle(42), { cut(onEdge(6), onEdge(30)), cut(onEdge(40), onEdge(68)) } }, // 37
        { square(76),
            { cut(onEdge(0), onEdge(1, 0.6), { { 0.45, 0.55 } }),
                cut(onCut(0, 0.5), onEdge(2, 0.5)) } }, // 38
        // Two pieces, along a zigzag.
        { rectangle(92, 56), { cut(onEdge(0, 0.3), onEdge(2, 0.2), { { 0.5, 0.3 }, { 0.6, 0.75 } }) } }, // 39
        // Three pieces.
        { house(70, 50, 30), { cut(onEdge(0, 0.4), onEdge(3, 0.45)), cut(onEdge(2), onCut(0, 0.5)) } }, // 40
        // Four pieces.
        { square(76), { cut(onEdge(0, 0.35), onEdge(2, 0.4)), cut(onEdge(3, 0.4), onEdge(1, 0.3)) } }, // 41
        { circle(42), { cut(onEdge(4), onEdge(38)), cut(onEdge(58), onEdge(26)) } }, // 42
        { triangle(92, 80, 0.45),
            { cut(onEdge(0, 0.5), onEdge(1, 0.45)), cut(onEdge(1, 0.45), onEdge(2, 0.55)),
                cut(onEdge(2, 0.55), onEdge(0, 0.5)) } }, // 43
        { rectangle(92, 60),
            { cut(onEdge(0, 0.3), onEdge(2, 0.75)), cut(onEdge(0, 0.7), onEdge(2, 0.3)),
                cut(onEdge(3, 0.5), onCut(0, 0.5)) } }, // 44
        { regular(6, 46, -90),
            { cut(onEdge(0), onEdge(3)), cut(onCut(0, 0.5), onEdge(2)),
                cut(onCut(0, 0.5), onEdge(5)) } }, // 45
        { halfDisc(46),
            { cut(onEdge(36, 0.5), onEdge(7)), cut(onEdge(36, 0.5), onEdge(19)),
                cut(onEdge(36, 0.5), onEdge(29)) } }, // 46
        { regular(5, 46, -90),
            { cut(onEdge(1), onEdge(4), { { 0.42, 0.6 } }), cut(onCut(0, 0.5), onEdge(2, 0.4)),
                cut(onEdge(0), onCut(0, 0.5)) } }, // 47
        { lShape(88, 80, 40, 36),
            { cut(onEdge(2), onEdge(4, 0.5)), cut(onEdge(5, 0.6), onCut(0, 0.5)),
                cut(onEdge(0, 0.45), onCut(1, 0.6)) } }, // 48
        { parallelogram(72, 56, 28),
            { cut(onEdge(1, 0.35), onEdge(3, 0.45)), cut(onEdge(0, 0.5), onEdge(2, 0.4)) } }, // 49
        { kite(76, 92, 0.35), { cut(onEdge(0), onEdge(2)), cut(onEdge(3, 0.3), onEdge(1, 0.6)) } }, // 50
        { trapezium(92, 64, 50, 0.5),
            { cut(onEdge(1, 0.2), onEdge(3, 0.75)), cut(onEdge(1, 0.8), onEdge(3, 0.25)),
                cut(onEdge(0, 0.5), onCut(0, 0.5)) } }, // 51
        { circle(42),
            { cut(onEdge(54), onEdge(18)), cut(onCut(0, 0.5), onEdge(4)),
                cut(onCut(0, 0.5), onEdge(44)) } }, // 52
        { square(76),
            { cut(onEdge(0, 0.3), onEdge(2, 0.3)), cut(onEdge(3, 0.6), onCut(0, 0.4)),
                cut(onCut(0, 0.7), onEdge(1, 0.4)) } }, // 53
        { rectangle(92, 56),
            { cut(onEdge(0, 0.6), onEdge(2, 0.6), { { 0.6, 0.5 }, { 0.35, 0.5 } }),
                cut(onEdge(0, 0.25), onCut(0, 0.5)), cut(onEdge(1, 0.2), onEdge(2, 0.3)) } }, // 54
        { regular(6, 46, 0), { cut(onEdge(0), onEdge(3)), cut(onEdge(1), onEdge(4)) } }, // 55
        { triangle(92, 80, 0.3),
            { cut(onEdge(1), onEdge(2, 0.5)), cut(onEdge(0, 0.5), onEdge(1, 0.6)) } }, // 56
        { house(72, 50, 30),
            { cut(onEdge(1), onEdge(3)), cut(onEdge(2), onCut(0, 0.55)),
                cut(onCut(0, 0.55), onEdge(4, 0.4)) } }, // 57
        { circle(42), { cut(onEdge(2), onEdge(34)), cut(onEdge(60), onEdge(20)) } }, // 58
        { lShape(84, 84, 36, 40),
            { cut(onEdge(0, 0.5), onEdge(4, 0.3)), cut(onEdge(2, 0.5), onCut(0, 0.7)),
                cut(onEdge(5, 0.4), onCut(0, 0.3)) } }, // 59
        { regular(5, 46, -90), { cut(onEdge(0), onEdge(2, 0.35)), cut(onEdge(1), onEdge(3, 0.8)) } }, // 60
    };
    return table;
}

// Runs of questions whose designs have as many pieces, cut the same way: a later series redraws, for
// each question, the design of another question of its run, so the pieces keep growing in number.
constexpr std::array<std::pair<int, int>, 5> DesignRuns { { { 2, 16 }, { 17, 38 }, { 39, 39 }, { 40, 40 },
    { 41, 60 } } };

const Design &designOfRun(int question, int series)
{
    for (const auto &[first, last] : DesignRuns) {
        if (question >= first && question <= last)
            return designs()[first - 2 + (question - first + series - Series::Own) % (last - first + 1)];
    }
    qFatal("spatial puzzle %d has no design", question);
    return designs().first();
}

// Where a cut ends, moved a little: along its edge or its cut, or on an arc to a neighbouring corner
// (cuts end at an arc's corners, so that equal arcs stay equal polygons).
void moveAnchor(Anchor &anchor, Kind kind, int corners, SeededSequence &random)
{
    if (anchor.cut >= 0) {
        anchor.t = std::clamp(anchor.t + random.between(-0.15, 0.15), 0.2, 0.8);
        return;
    }
    if (kind == Kind::Circle) {
        anchor.edge = (anchor.edge + random.below(7) - 3 + corners) % corners;
        return;
    }
    // A half disc's last edge is its diameter, the others its arc.
    if (kind == Kind::HalfDisc && anchor.edge < corners - 1) {
        anchor.edge = std::clamp(anchor.edge + random.below(7) - 3, 1, corners - 2);
        return;
    }
    anchor.t = std::clamp(anchor.t + random.between(-0.18, 0.18), 0.0, 1.0);
}

// The design with other proportions and its cuts moved: other pieces, and another figure, whatever
// turn or mirror is tried on it.
Design redrawn(Design design, SeededSequence &random)
{
    std::array<double, 4> &measures = design.outline.measures;
    const auto stretch = [&](std::initializer_list<int> indexes) {
        for (int index : indexes)
            measures[size_t(index)] *= random.between(0.82, 1.18);
    };
    const auto shift = [&](int index, double lowest, double highest) {
        measures[size_t(index)]
            = std::clamp(measures[size_t(index)] + random.between(-0.15, 0.15), lowest, highest);
    };
    switch (design.outline.kind) {
    case Kind::Rectangle:
    case Kind::Parallelogram:
    case Kind::House:
        stretch({ 0, 1, 2 });
        break;
    case Kind::Triangle:
        stretch({ 0, 1 });
        shift(2, 0, 1);
        break;
    case Kind::Trapezium:
        stretch({ 0, 1, 2 });
        shift(3, 0, 1);
        break;
    case Kind::LShape:
        stretch({ 0, 1, 2, 3 });
        break;
    case Kind::Kite:
        stretch({ 0, 1 });
        shift(2, 0.2, 0.8);
        break;
    case Kind::Regular:
    case Kind::Circle:
    case Kind::HalfDisc:
        break; // their size alone would not show: their moved cuts make them new
    }
    const int corners = outlinePolygon(design.outline).size();
    for (CutSpec &cut : design.cuts) {
        moveAnchor(cut.from, design.outline.kind, corners, random);
        moveAnchor(cut.to, design.outline.kind, corners, random);
        for (QPointF &bend : cut.via)
            bend += QPointF(random.between(-0.08, 0.08), random.between(-0.08, 0.08));
    }
    return design;
}

// Redrawn designs that cut badly are drawn again; this many tries always find a sound one.
constexpr int RedrawTries = 200;
// Series 1's designs were each looked at; a redrawn one keeps its wrong figures further from the
// right one and from each other, so that none of them passes for another once drawn in pixels.
constexpr double RedrawnMargin = 1.5;

struct Answers {
    Figure right;
    QVector<Variant> wrong;
};

std::optional<Answers> answersFrom(
    const Design &design, const Tuning &tuning, double margin, SeededSequence &random)
{
    const std::optional<Figure> right = build(design);
    if (!right)
        return std::nullopt;
    QVector<Variant> wrong
        = distractorsFor(*right, variantsOf(design, *right, tuning.variation), margin, random);
    if (wrong.size() != SpatialBank::ChoiceCount - 1)
        return std::nullopt;
    return Answers { *right, wrong };
}

Answers answersFor(int question, int series, const Tuning &tuning, SeededSequence &random)
{
    if (question == 1) {
        if (const std::optional<Figure> example = build(exampleDesign()))
            return { *example, exampleDistractors() };
    } else if (series == Series::Own) {
        if (const std::optional<Answers> answers
            = answersFrom(designs().value(question - 2), tuning, tuning.margin, random))
            return *answers;
    } else if (const std::optional<Figure> own = build(designs().value(question - 2))) {
        for (int tried = 0; tried < RedrawTries; ++tried) {
            const Design design = redrawn(designOfRun(question, series), random);
            const std::optional<Figure> right = build(design);
            // Never series 1's figure again, turned or mirrored.
            if (!right || lookAlike(*right, *own, tuning.margin)
                || lookAlike(mirrored(*right), *own, tuning.margin))
                continue;
            if (const std::optional<Answers> answers
                = answersFrom(design, tuning, tuning.margin * RedrawnMargin, random))
                return *answers;
        }
    }
    qFatal("spatial puzzle %d, series %d: no sound figure or too few wrong ones", question, series);
    return {};
}

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

// A few turns are enough; past them a smaller drawing serves better than a long search.
constexpr int TurnsTried = 6;
constexpr int ShrinkSteps = 8;

QPointF rounded(QPointF point)
{
    return QPointF(std::round(point.x()), std::round(point.y()));
}

// Where a turned piece goes in the framed cell: the shift, in steps of two pixels, that brings it
// nearest to `target` while keeping it clear of the pieces already placed.
std::optional<QPointF> freeSpot(const Polygon &turned, QPointF target, const QVector<LoosePiece> &placed)
{
    const QRectF room = drawingRect(0);
    const QRectF box = turned.boundingRect();
    QVector<QPointF> shifts;
    for (double dx = std::ceil(room.left() - box.left()); dx <= room.right() - box.right(); dx += 2) {
        for (double dy = std::ceil(room.top() - box.top()); dy <= room.bottom() - box.bottom(); dy += 2)
            shifts.append(QPointF(dx, dy));
    }
    std::stable_sort(shifts.begin(), shifts.end(), [&](QPointF a, QPointF b) {
        return QLineF(box.center() + a, target).length() < QLineF(box.center() + b, target).length();
    });
    for (const QPointF &shift : shifts) {
        const Polygon moved = turned.translated(shift);
        const QRectF reach = moved.boundingRect().adjusted(-PieceGap, -PieceGap, PieceGap, PieceGap);
        const bool clear = std::all_of(placed.begin(), placed.end(), [&](const LoosePiece &other) {
            return !reach.intersects(other.shown.boundingRect()) || distance(moved, other.shown) >= PieceGap;
        });
        if (clear)
            return shift;
    }
    return std::nullopt;
}

// The loose pieces, largest first: each turned, then pushed towards a corner of the framed cell of its
// own, clear of the others; the group is centred at the end.
std::optional<QVector<LoosePiece>> scatter(
    const Figure &figure, SeededSequence random, const QVector<int> &angles)
{
    const QRectF room = drawingRect(0);
    QVector<int> order(figure.pieces.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
        [&figure](int a, int b) { return area(figure.pieces[a]) > area(figure.pieces[b]); });
    const std::array<QPointF, 4> corners { room.topLeft(), room.topRight(), room.bottomRight(),
        room.bottomLeft() };
    // Opposite corners first.
    const std::array<int, 4> cornerOrder { 0, 2, 1, 3 };
    const int firstCorner = random.below(4);

    QVector<LoosePiece> placed;
    for (int k = 0; k < order.size(); ++k) {
        const Polygon &piece = figure.pieces[order[k]].outline;
        const QPointF target = corners[size_t((firstCorner + cornerOrder[size_t(k % 4)]) % 4)];
        QVector<int> tries = angles;
        random.shuffle(tries);
        tries.resize(std::min<int>(tries.size(), TurnsTried));
        std::optional<LoosePiece> spot;
        for (int degrees : tries) {
            if (looksUnturned(piece, degrees))
                continue;
            const QTransform turning = turn(degrees);
            const Polygon turned = turning.map(piece);
            if (const std::optional<QPointF> shift = freeSpot(turned, target, placed)) {
                spot = LoosePiece { order[k], turning * QTransform::fromTranslate(shift->x(), shift->y()),
                    turned.translated(*shift) };
                break;
            }
        }
        if (!spot)
            return std::nullopt;
        placed.append(*spot);
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
    // Two columns, three rows; the last row takes the odd pixel.
    constexpr double RowHeight = 113;
    const int row = cell / 2;
    const double top = row * RowHeight;
    const double bottom = row == CellCount / 2 - 1 ? PictureHeight : top + RowHeight;
    return QRectF((cell % 2) * PictureWidth / 2.0, top, PictureWidth / 2.0, bottom - top);
}

QRectF drawingRect(int cell)
{
    if (cell == 0)
        return cellRect(0).adjusted(8, 8, -8, -8);
    return cellRect(cell).adjusted(18, 6, -6, -6);
}

namespace {

// The figures in their cells and the pieces scattered in the framed one; nothing when they do not fit.
std::optional<Puzzle> laidOut(
    int question, const Answers &answers, const Tuning &tuning, SeededSequence &random)
{
    Puzzle result;
    result.question = question;
    result.answer = SpatialBank::AnswerValues[size_t(question - 1)];
    // Smaller when the figures do not fit their cells at full size.
    for (int step = 0; step < ShrinkSteps; ++step) {
        const double scale = 1 - 0.05 * step;
        const QTransform zoom = QTransform::fromScale(scale, scale);
        const Figure right = mapped(answers.right, zoom);
        bool fits = true;
        int nextWrong = 0;
        for (int slot = 0; slot < SpatialBank::ChoiceCount && fits; ++slot) {
            const bool isRight = slot == result.answer - 1;
            const Alteration alteration = isRight ? Alteration::None : answers.wrong[nextWrong].alteration;
            const Figure figure = isRight ? right : mapped(answers.wrong[nextWrong++].figure, zoom);
            const std::optional<QTransform> placement = placementIn(slot + 1, figure);
            fits = placement.has_value();
            if (fits)
                result.candidates[size_t(slot)] = { figure, *placement, alteration };
        }
        if (!fits)
            continue;
        if (const std::optional<QVector<LoosePiece>> loose = scatter(right, random, tuning.angles)) {
            result.loosePieces = *loose;
            return result;
        }
    }
    return std::nullopt;
}

// Whether a candidate reading the picture as written finds the keyed figure, and it alone, made of
// the framed pieces, and no two figures alike.
bool readsAsKeyed(const Puzzle &puzzle)
{
    const QImage written = drawSpatialPuzzle(puzzle)
                               .convertToFormat(QImage::Format_Indexed8, spatialPalette(),
                                   Qt::ThresholdDither | Qt::AvoidDither)
                               .convertToFormat(QImage::Format_RGB32);
    const SpatialReading::Reading reading = SpatialReading::read(written);
    return reading.madeOfThePieces == QVector<int> { puzzle.answer } && reading.lookingTheSame.isEmpty();
}

} // namespace

Puzzle puzzle(int question, int series)
{
    if (question < 1 || question > SpatialBank::QuestionCount || series < Series::Own)
        qFatal("spatial puzzle %d of series %d does not exist", question, series);
    const Tuning tuning = tuningFor(question);
    // The worked example is the same in every series.
    const int drawnFrom = question == 1 ? Series::Own : series;
    SeededSequence random(Series::seed(0x5a7a1000ULL + quint64(question), drawnFrom));
    // Series 1's puzzles were each looked at; a redrawn one is drawn again until its pixels read as
    // its key does.
    for (int tried = 0; tried < RedrawTries; ++tried) {
        const Answers answers = answersFor(question, drawnFrom, tuning, random);
        const std::optional<Puzzle> laid = laidOut(question, answers, tuning, random);
        if (drawnFrom == Series::Own && laid)
            return *laid;
        if (drawnFrom == Series::Own)
            break;
        if (laid && readsAsKeyed(*laid))
            return *laid;
    }
    qFatal("spatial puzzle %d of series %d: the pieces do not fit", question, series);
    return {};
}

} // namespace SpatialPuzzles
