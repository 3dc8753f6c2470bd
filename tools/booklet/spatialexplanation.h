#pragma once

#include "spatialpuzzles.h"

#include <QPointF>
#include <QString>
#include <QVector>

// What the booklet says about a spatial question, worked out from the geometry the picture is drawn
// from: the turn that puts each loose piece in its place, and where each wrong figure differs.
namespace SpatialExplanation {

// Where a loose piece goes in the right figure and the turn that takes it there: whole degrees,
// clockwise on the page when positive, from -179 to 180, the smallest that lays the piece on its place
// (a piece that looks the same after a part turn needs no more). Pieces alike are given the places that
// need the least turning, so that two identical pieces already lying as their places need none.
struct Assembly {
    int place = 0; // index among the pieces of the right figure
    int turn = 0;
};
// One for each loose piece, in their order.
QVector<Assembly> assembly(const SpatialPuzzles::Puzzle &puzzle);
// Whether the loose piece, turned that many degrees clockwise, lies exactly as the right figure's piece
// `place` does, once their centres are put together.
bool lands(
    const SpatialPuzzles::Puzzle &puzzle, const SpatialPuzzles::LoosePiece &loose, int place, double degrees);
// "sans rotation", "à tourner d’un demi-tour (180°)", "à tourner de 90° (sens horaire)" or
// "... (sens antihoraire)".
QString turnText(int degrees);

// What to mark on a wrong figure, in picture pixels.
struct Difference {
    QString text; // the reason, after "B : "
    QVector<QPointF> circled; // the points that differ
    bool mirrored = false; // a mirror axis through the figure
    // The size that differs, drawn as an arrow along it: a horizontal or a vertical one.
    bool widthDiffers = false;
    bool heightDiffers = false;
};

// How candidate `slot` (0 for A) differs from the right figure.
Difference differenceOf(const SpatialPuzzles::Puzzle &puzzle, int slot);

} // namespace SpatialExplanation
