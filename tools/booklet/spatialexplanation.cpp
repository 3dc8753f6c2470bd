#include "spatialexplanation.h"

#include "spatial/spatialbank.h"

#include <QtMath>

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace SpatialExplanation {

namespace {

using namespace SpatialPuzzles;

// Less than this, in pixels, is the same point.
constexpr double SamePoint = 0.75;
// A size that differs by less, in percent, is not told.
constexpr int MeasurableSize = 3;

double distanceBetween(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// "plus à gauche", "plus haut et plus à droite": where `delta` leads, y downwards; a direction
// counts when it makes at least half of the larger one.
QString whereward(QPointF delta)
{
    const QString across = delta.x() < 0 ? QStringLiteral("plus à gauche") : QStringLiteral("plus à droite");
    const QString upDown = delta.y() < 0 ? QStringLiteral("plus haut") : QStringLiteral("plus bas");
    const double x = std::abs(delta.x());
    const double y = std::abs(delta.y());
    if (x >= 2 * y)
        return across;
    if (y >= 2 * x)
        return upDown;
    return upDown + QStringLiteral(" et ") + across;
}

// Which end of a cut `end` is (0 the first point, otherwise the last): left or right of the other end
// when the cut runs rather across, top or bottom when it runs rather up and down.
QString endName(const Polygon &cut, int end)
{
    const QPointF here = end == 0 ? cut.first() : cut.last();
    const QPointF there = end == 0 ? cut.last() : cut.first();
    if (std::abs(here.x() - there.x()) >= std::abs(here.y() - there.y()))
        return here.x() < there.x() ? QStringLiteral("gauche") : QStringLiteral("droite");
    return here.y() < there.y() ? QStringLiteral("haute") : QStringLiteral("basse");
}

// The edge of the figure's outline a line's end stands on, said by where that edge lies ("le bord
// gauche", "le bord haut droit"), or "un autre trait" when the end stands inside.
QString edgeName(const Figure &figure, QPointF end)
{
    const Polygon &outline = figure.outline;
    int nearest = -1;
    double least = std::numeric_limits<double>::infinity();
    for (int k = 0; k < outline.size(); ++k) {
        const QPointF a = outline[k];
        const QPointF b = outline[(k + 1) % outline.size()];
        const QPointF d = b - a;
        const double t = std::clamp(QPointF::dotProduct(end - a, d) / QPointF::dotProduct(d, d), 0.0, 1.0);
        if (const double gap = distanceBetween(end, a + t * d); gap < least) {
            least = gap;
            nearest = k;
        }
    }
    if (nearest < 0 || least > 1.5)
        return QStringLiteral("un autre trait");
    // On a corner, the corner; on an edge, the edge, by where its middle lies.
    QString kind = QStringLiteral("le bord ");
    QPointF middle = (outline[nearest] + outline[(nearest + 1) % outline.size()]) / 2;
    for (int k = 0; k < outline.size(); ++k) {
        // A corner a reader sees: not one of the many that draw a curved side.
        const QLineF in(outline[(k + outline.size() - 1) % outline.size()], outline[k]);
        const QLineF out(outline[k], outline[(k + 1) % outline.size()]);
        const double turn = std::abs(std::remainder(in.angleTo(out), 360.0));
        if (distanceBetween(outline[k], end) <= 1.5 && turn >= SpatialGeometry::SmoothTurn) {
            kind = QStringLiteral("le coin ");
            middle = outline[k];
        }
    }
    const QPointF from = middle - SpatialGeometry::centroid(outline);
    const QString upDown = from.y() < 0 ? QStringLiteral("haut") : QStringLiteral("bas");
    const QString across = from.x() < 0 ? QStringLiteral("gauche") : QStringLiteral("droit");
    if (std::abs(from.x()) >= 2 * std::abs(from.y()))
        return kind + across;
    if (std::abs(from.y()) >= 2 * std::abs(from.x()))
        return kind + upDown;
    return kind + upDown + u' ' + across;
}

// Which line is meant, by the edges it joins: "le trait entouré, du bord gauche au bord bas,".
QString lineName(const Figure &figure, int cut)
{
    const Polygon &line = figure.cuts[cut];
    return QStringLiteral("le trait entouré (de %1 à %2)")
        .arg(edgeName(figure, line.first()), edgeName(figure, line.last()))
        .replace(QStringLiteral("de le "), QStringLiteral("du "))
        .replace(QStringLiteral("à le "), QStringLiteral("au "))
        .replace(QStringLiteral("de un "), QStringLiteral("d’un "));
}

enum class CutChange { None, End, Slid, Bend, Other };

struct CutComparison {
    CutChange change = CutChange::None;
    int cut = 0;
    int vertex = 0; // the end (0 or last) or the bend that moved
    QPointF delta; // where it is on the wrong figure, from where it is on the right one
};

// The first difference between the cut lines of `wrong` and those of `reference`, both in the same
// model coordinates, and the points where it shows. A cut that starts on a moved one moves with it: only
// the first difference is the change.
CutComparison compareCuts(const Figure &wrong, const Figure &reference, QVector<QPointF> *points)
{
    for (int c = 0; c < wrong.cuts.size(); ++c) {
        const Polygon &cut = wrong.cuts[c];
        if (c >= reference.cuts.size() || reference.cuts[c].size() != cut.size()) {
            points->append(cut[cut.size() / 2]);
            return { CutChange::Other, c, 0, {} };
        }
        const Polygon &was = reference.cuts[c];
        QVector<int> moved;
        for (int v = 0; v < cut.size(); ++v) {
            if (distanceBetween(cut[v], was[v]) > SamePoint)
                moved.append(v);
        }
        if (moved.isEmpty())
            continue;
        const int last = int(cut.size()) - 1;
        if (moved.contains(0) && moved.contains(last)) {
            points->append({ cut.first(), cut.last() });
            return { CutChange::Slid, c, 0, (cut.first() + cut.last()) / 2 - (was.first() + was.last()) / 2 };
        }
        const int v = moved.first();
        points->append(cut[v]);
        return { v == 0 || v == last ? CutChange::End : CutChange::Bend, c, v, cut[v] - was[v] };
    }
    return {};
}

// Whether two figures are drawn alike: the same corners and the same strokes, however their lines are
// listed (a line through a corner of another may be cut there or not).
bool sameDrawing(const Figure &a, const Figure &b)
{
    auto near = [](QPointF p, QPointF q) { return distanceBetween(p, q) <= 1; };
    auto strokes = [](const Figure &figure) {
        QVector<QLineF> list;
        for (const Polygon &cut : figure.cuts) {
            for (int k = 0; k + 1 < cut.size(); ++k)
                list.append({ cut[k], cut[k + 1] });
        }
        return list;
    };
    // Every stroke of one lies along the other's: its two ends on one stroke of the other.
    auto covered = [&](const QVector<QLineF> &from, const QVector<QLineF> &by) {
        return std::all_of(from.begin(), from.end(), [&](const QLineF &stroke) {
            return std::any_of(by.begin(), by.end(), [&](const QLineF &other) {
                auto onOther = [&](QPointF point) {
                    const QPointF d = other.p2() - other.p1();
                    const double t = QPointF::dotProduct(point - other.p1(), d) / QPointF::dotProduct(d, d);
                    return t > -0.01 && t < 1.01 && near(point, other.p1() + t * d);
                };
                return onOther(stroke.p1()) && onOther(stroke.p2());
            });
        });
    };
    const bool sameOutline = a.outline.size() == b.outline.size()
        && std::all_of(a.outline.begin(), a.outline.end(), [&](QPointF corner) {
               return std::any_of(
                   b.outline.begin(), b.outline.end(), [&](QPointF other) { return near(corner, other); });
           });
    return sameOutline && covered(strokes(a), strokes(b)) && covered(strokes(b), strokes(a));
}

QString cutText(const CutComparison &change, const Figure &wrong, const QString &right)
{
    const QString where = whereward(change.delta);
    switch (change.change) {
    case CutChange::End:
        return QStringLiteral("%1 : son extrémité %2 est placée %3 que sur %4")
            .arg(lineName(wrong, change.cut), endName(wrong.cuts[change.cut], change.vertex), where, right);
    case CutChange::Slid:
        return QStringLiteral("%1 est décalé : il passe %2 que sur %3")
            .arg(lineName(wrong, change.cut), where, right);
    case CutChange::Bend:
        return QStringLiteral("%1 : son coude est placé %2 que sur %3")
            .arg(lineName(wrong, change.cut), where, right);
    case CutChange::Other:
    case CutChange::None:
        break;
    }
    return QStringLiteral("le trait entouré ne suit pas celui de %1").arg(right);
}

// How much bigger or smaller, in whole percent.
int percentOff(double ratio)
{
    return int(std::lround(std::abs(ratio - 1) * 100));
}

// The size of a reshaped outline against the right one, as drawn, said as a person compares them:
// only what differs by a measurable amount, with the amount. With the same width and height, the
// corners that moved are circled instead.
QString sizeText(const Candidate &wrong, const Candidate &right, QChar letter, Difference *difference,
    QVector<QPointF> *points)
{
    const QRectF wrongBox = wrong.placement.map(wrong.figure.outline).boundingRect();
    const QRectF rightBox = right.placement.map(right.figure.outline).boundingRect();
    const double widthRatio = wrongBox.width() / rightBox.width();
    const double heightRatio = wrongBox.height() / rightBox.height();
    const bool widthDiffers = percentOff(widthRatio) >= MeasurableSize;
    const bool heightDiffers = percentOff(heightRatio) >= MeasurableSize;
    if (widthDiffers && heightDiffers && percentOff(widthRatio / heightRatio) < MeasurableSize
        && (widthRatio > 1) == (heightRatio > 1)) {
        difference->widthDiffers = true;
        return QStringLiteral(
            "même forme que la figure %1, mais %2 de %3 % : les pièces n’ont pas cette taille")
            .arg(letter)
            .arg(widthRatio > 1 ? QStringLiteral("plus grande") : QStringLiteral("plus petite"))
            .arg(percentOff(widthRatio));
    }
    QStringList sizes;
    if (widthDiffers) {
        difference->widthDiffers = true;
        sizes.append(QStringLiteral("%1 de %2 %")
                         .arg(widthRatio > 1 ? QStringLiteral("plus large") : QStringLiteral("plus étroit"))
                         .arg(percentOff(widthRatio)));
    }
    if (heightDiffers) {
        difference->heightDiffers = true;
        sizes.append(QStringLiteral("%1 de %2 %")
                         .arg(heightRatio > 1 ? QStringLiteral("plus haut") : QStringLiteral("moins haut"))
                         .arg(percentOff(heightRatio)));
    }
    if (!sizes.isEmpty())
        return QStringLiteral("contour %1 que celui de la figure %2 (flèche)")
            .arg(sizes.join(QStringLiteral(" et ")), letter);
    // Same bounds: what differs is where some corners sit.
    const Polygon wrongCorners = wrong.placement.map(wrong.figure.outline);
    const Polygon rightCorners = right.placement.map(right.figure.outline);
    const QPointF shift = rightBox.center() - wrongBox.center();
    QVector<QPointF> moves;
    for (const QPointF &corner : wrongCorners) {
        double nearest = std::numeric_limits<double>::infinity();
        QPointF to;
        for (const QPointF &other : rightCorners) {
            if (const double d = distanceBetween(corner + shift, other); d < nearest) {
                nearest = d;
                to = other;
            }
        }
        if (nearest > 2) {
            points->append(wrong.placement.inverted().map(corner));
            moves.append(corner + shift - to);
        }
    }
    QString where;
    if (!moves.isEmpty() && std::all_of(moves.begin(), moves.end(), [&](QPointF m) {
            return (m.y() < 0) == (moves[0].y() < 0) && std::abs(m.y()) >= std::abs(m.x());
        }))
        where = moves[0].y() < 0 ? QStringLiteral(" : ils sont placés plus haut")
                                 : QStringLiteral(" : ils sont placés plus bas");
    return QStringLiteral(
        "même largeur et même hauteur que la figure %1, mais les coins entourés ne sont pas "
        "à la même place%2")
        .arg(letter, where);
}

// Where two cuts of a figure cross, if they do.
QVector<QPointF> crossings(const Figure &figure)
{
    QVector<QPointF> found;
    for (int a = 0; a < figure.cuts.size(); ++a) {
        for (int b = a + 1; b < figure.cuts.size(); ++b) {
            for (int i = 0; i + 1 < figure.cuts[a].size(); ++i) {
                for (int j = 0; j + 1 < figure.cuts[b].size(); ++j) {
                    QPointF crossing;
                    if (SpatialGeometry::segmentsCross(figure.cuts[a][i], figure.cuts[a][i + 1],
                            figure.cuts[b][j], figure.cuts[b][j + 1], &crossing))
                        found.append(crossing);
                }
            }
        }
    }
    return found;
}

} // namespace

bool lands(const Puzzle &puzzle, const LoosePiece &loose, int place, double degrees)
{
    const Candidate &right = puzzle.candidates[size_t(puzzle.answer - 1)];
    const SpatialGeometry::Shape shown
        = SpatialGeometry::mapped(right.figure.pieces[loose.piece], loose.placement);
    const SpatialGeometry::Shape placed
        = SpatialGeometry::mapped(right.figure.pieces[place], right.placement);
    if (shown.outline.size() != placed.outline.size() || shown.holes.size() != placed.holes.size())
        return false;
    const QTransform turn = QTransform().rotate(degrees);
    const QPointF shift
        = SpatialGeometry::centroid(placed.outline) - turn.map(SpatialGeometry::centroid(shown.outline));
    const QTransform move = turn * QTransform::fromTranslate(shift.x(), shift.y());
    // Corner for corner, whichever corner each lists first.
    auto sameCorners = [&](const Polygon &from, const Polygon &to) {
        if (from.size() != to.size())
            return false;
        for (const QPointF &corner : from) {
            const QPointF moved = move.map(corner);
            if (std::none_of(
                    to.begin(), to.end(), [&](QPointF other) { return distanceBetween(moved, other) < 1; }))
                return false;
        }
        return true;
    };
    if (!sameCorners(shown.outline, placed.outline))
        return false;
    for (const Polygon &hole : shown.holes) {
        if (std::none_of(placed.holes.begin(), placed.holes.end(),
                [&](const Polygon &other) { return sameCorners(hole, other); }))
            return false;
    }
    return true;
}

namespace {

// The smallest turns, one per place, that lay the loose piece on each place of the right figure;
// no value where none does.
QVector<std::optional<int>> turnsOnto(const Puzzle &puzzle, const LoosePiece &loose)
{
    const Figure &right = puzzle.rightFigure();
    const Candidate &rightCandidate = puzzle.candidates[size_t(puzzle.answer - 1)];
    const Polygon shown = loose.shown;
    QVector<std::optional<int>> turns(right.pieces.size());
    for (int place = 0; place < right.pieces.size(); ++place) {
        const Polygon placed = rightCandidate.placement.map(right.pieces[place].outline);
        if (placed.size() != shown.size())
            continue;
        // The turns that bring one side of the loose piece along a side of the place.
        QVector<int> tried;
        for (int i = 0; i < shown.size(); ++i) {
            const QLineF from(shown[i], shown[(i + 1) % shown.size()]);
            for (int j = 0; j < placed.size(); ++j) {
                const QLineF to(placed[j], placed[(j + 1) % placed.size()]);
                if (std::abs(from.length() - to.length()) > 1)
                    continue;
                // QLineF's angles turn anticlockwise on the page; a clockwise turn is positive here.
                int degrees = int(std::lround(from.angle() - to.angle()));
                degrees = ((degrees % 360) + 360) % 360;
                if (degrees > 180)
                    degrees -= 360;
                if (degrees == -180)
                    degrees = 180;
                if (tried.contains(degrees))
                    continue;
                tried.append(degrees);
                if (lands(puzzle, loose, place, degrees)
                    && (!turns[place] || std::abs(degrees) < std::abs(*turns[place])
                        || (std::abs(degrees) == std::abs(*turns[place]) && degrees > *turns[place])))
                    turns[place] = degrees;
            }
        }
    }
    return turns;
}

} // namespace

QVector<Assembly> assembly(const Puzzle &puzzle)
{
    const int count = int(puzzle.loosePieces.size());
    QVector<QVector<std::optional<int>>> turns;
    for (const LoosePiece &loose : puzzle.loosePieces)
        turns.append(turnsOnto(puzzle, loose));
    // Every way of giving the pieces distinct places, the least turning in all first; the pieces' own
    // places win a tie.
    QVector<int> places;
    for (const LoosePiece &loose : puzzle.loosePieces)
        places.append(loose.piece);
    QVector<int> best;
    int bestCost = std::numeric_limits<int>::max();
    QVector<int> order = places;
    std::sort(order.begin(), order.end());
    do {
        int cost = 0;
        for (int k = 0; k < count && cost < std::numeric_limits<int>::max(); ++k)
            cost
                = turns[k][order[k]] ? cost + std::abs(*turns[k][order[k]]) : std::numeric_limits<int>::max();
        if (cost < bestCost
            || (cost == bestCost && cost < std::numeric_limits<int>::max() && order == places)) {
            bestCost = cost;
            best = order;
        }
    } while (std::next_permutation(order.begin(), order.end()));
    QVector<Assembly> result;
    for (int k = 0; k < count; ++k) {
        // Where no turn was found the piece keeps its own place, and its turn from the placements.
        if (best.isEmpty() || !turns[k][best[k]]) {
            const QTransform toPlace = puzzle.loosePieces[k].placement.inverted()
                * puzzle.candidates[size_t(puzzle.answer - 1)].placement;
            const int degrees = int(std::lround(qRadiansToDegrees(std::atan2(toPlace.m12(), toPlace.m11()))));
            result.append({ places[k], degrees == -180 ? 180 : degrees });
        } else {
            result.append({ best[k], *turns[k][best[k]] });
        }
    }
    return result;
}

QString turnText(int degrees)
{
    if (degrees == 0)
        return QStringLiteral("sans rotation");
    if (degrees == 180)
        return QStringLiteral("à tourner d’un demi-tour (180°)");
    return QStringLiteral("à tourner de %1° (sens %2)")
        .arg(std::abs(degrees))
        .arg(degrees > 0 ? QStringLiteral("horaire") : QStringLiteral("antihoraire"));
}

Difference differenceOf(const Puzzle &puzzle, int slot)
{
    const Candidate &candidate = puzzle.candidates[size_t(slot)];
    const Figure &right = puzzle.rightFigure();
    const QChar letter = QLatin1Char(SpatialBank::letterOf(puzzle.answer));
    Difference difference;
    QVector<QPointF> points;
    switch (candidate.alteration) {
    case Alteration::CutEndMoved:
    case Alteration::CutSlid:
    case Alteration::BendMoved:
        difference.text = cutText(compareCuts(candidate.figure, right, &points), candidate.figure,
            QStringLiteral("la figure %1").arg(letter));
        break;
    case Alteration::Reshaped:
        difference.text
            = sizeText(candidate, puzzle.candidates[size_t(puzzle.answer - 1)], letter, &difference, &points);
        break;
    case Alteration::Mirrored:
        difference.mirrored = true;
        difference.text
            = QStringLiteral("image miroir de la figure %1 (retournée autour de l’axe en pointillés) : "
                             "aucune rotation des pièces ne la donne")
                  .arg(letter);
        break;
    case Alteration::MirroredAndRecut: {
        const CutComparison change = compareCuts(candidate.figure, mirrored(right), &points);
        // A symmetric figure is its own mirror image: only the moved line tells them apart.
        if (sameDrawing(mirrored(right), right)) {
            difference.text
                = QStringLiteral("même contour que la figure %1, mais %2")
                      .arg(letter,
                          cutText(change, candidate.figure, QStringLiteral("la figure %1").arg(letter)));
        } else {
            difference.mirrored = true;
            difference.text
                = QStringLiteral("image miroir de la figure %1 (axe en pointillés) ; de plus, %2")
                      .arg(letter, cutText(change, candidate.figure, QStringLiteral("l’image miroir")));
        }
        break;
    }
    case Alteration::InnerFigureAdded:
        points.append(SpatialGeometry::centroid(candidate.figure.cuts.last()));
        difference.text = QStringLiteral("une figure intérieure (entourée) qu’aucune pièce ne donne");
        break;
    case Alteration::CrossingCuts:
        points = crossings(candidate.figure);
        difference.text
            = QStringLiteral("deux traits qui se croisent (cercle) : aucune pièce n’est découpée ainsi");
        break;
    case Alteration::None:
        difference.text = QStringLiteral("la bonne figure");
        break;
    }
    for (const QPointF &point : points)
        difference.circled.append(candidate.placement.map(point));
    return difference;
}

} // namespace SpatialExplanation
