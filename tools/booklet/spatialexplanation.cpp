#include "spatialexplanation.h"

#include "spatial/spatialkey.h"

#include <QtMath>

#include <cmath>

namespace SpatialExplanation {

namespace {

using namespace SpatialPuzzles;

// Less than this, in pixels, is the same point.
constexpr double SamePoint = 0.75;

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

QString cutText(const CutComparison &change, const Figure &wrong, QChar right)
{
    const QString where = whereward(change.delta);
    switch (change.change) {
    case CutChange::End:
        return QStringLiteral("l’extrémité %1 du trait entouré est placée %2 que sur la figure %3")
            .arg(endName(wrong.cuts[change.cut], change.vertex), where, right);
    case CutChange::Slid:
        return QStringLiteral("le trait entouré est décalé : il passe %1 que sur la figure %2")
            .arg(where, right);
    case CutChange::Bend:
        return QStringLiteral("le coude du trait entouré est placé %1 que sur la figure %2")
            .arg(where, right);
    case CutChange::Other:
    case CutChange::None:
        break;
    }
    return QStringLiteral("le trait entouré ne suit pas celui de la figure %1").arg(right);
}

// The size of a reshaped outline against the right one, said as a person compares them.
QString sizeText(const QRectF &wrong, const QRectF &right, QChar letter, Difference *difference)
{
    const double widthRatio = wrong.width() / right.width();
    const double heightRatio = wrong.height() / right.height();
    constexpr double Same = 0.02;
    if (std::abs(widthRatio - heightRatio) < Same && std::abs(widthRatio - 1) >= Same) {
        difference->widthDiffers = true;
        return QStringLiteral("même forme que la figure %1, mais %2 : les pièces n’ont pas cette taille")
            .arg(letter)
            .arg(widthRatio > 1 ? QStringLiteral("plus grande") : QStringLiteral("plus petite"));
    }
    if (std::abs(widthRatio - 1) >= std::abs(heightRatio - 1)) {
        difference->widthDiffers = true;
        return QStringLiteral("contour %1 que celui de la figure %2 (flèche) : comparez les largeurs")
            .arg(widthRatio > 1 ? QStringLiteral("plus large") : QStringLiteral("plus étroit"))
            .arg(letter);
    }
    difference->heightDiffers = true;
    return QStringLiteral("contour %1 que celui de la figure %2 (flèche) : comparez les hauteurs")
        .arg(heightRatio > 1 ? QStringLiteral("plus haut") : QStringLiteral("moins haut"))
        .arg(letter);
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

int assemblingTurn(const Puzzle &puzzle, const LoosePiece &loose)
{
    // Shown = loose placement (model); in place = the right candidate's placement (model).
    const QTransform toPlace
        = loose.placement.inverted() * puzzle.candidates[size_t(puzzle.answer - 1)].placement;
    const int degrees = int(std::lround(qRadiansToDegrees(std::atan2(toPlace.m12(), toPlace.m11()))));
    return degrees == -180 ? 180 : degrees;
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
    const QChar letter = QLatin1Char(SpatialKey::letterOf(puzzle.answer));
    Difference difference;
    QVector<QPointF> points;
    switch (candidate.alteration) {
    case Alteration::CutEndMoved:
    case Alteration::CutSlid:
    case Alteration::BendMoved:
        difference.text = cutText(compareCuts(candidate.figure, right, &points), candidate.figure, letter);
        break;
    case Alteration::Reshaped:
        difference.text = sizeText(
            candidate.figure.outline.boundingRect(), right.outline.boundingRect(), letter, &difference);
        break;
    case Alteration::Mirrored:
        difference.mirrored = true;
        difference.text
            = QStringLiteral("image miroir de la figure %1 (retournée autour de l’axe en pointillés) : "
                             "aucune rotation des pièces ne la donne")
                  .arg(letter);
        break;
    case Alteration::MirroredAndRecut:
        difference.mirrored = true;
        compareCuts(candidate.figure, mirrored(right), &points);
        difference.text = QStringLiteral("image miroir de la figure %1, et de plus un trait déplacé (cercle)")
                              .arg(letter);
        break;
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
