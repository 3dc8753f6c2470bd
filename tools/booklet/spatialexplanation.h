#pragma once

#include "spatialpuzzles.h"

#include <QPointF>
#include <QString>
#include <QVector>

// What the booklet says about a spatial question, worked out from the geometry the picture is drawn
// from: the turn that puts each loose piece in its place, and where each wrong figure differs.
namespace SpatialExplanation {

// The turn that takes a loose piece, as shown, to its place in the right figure: whole degrees,
// clockwise on the page when positive, from -179 to 180.
int assemblingTurn(const SpatialPuzzles::Puzzle &puzzle, const SpatialPuzzles::LoosePiece &loose);
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
