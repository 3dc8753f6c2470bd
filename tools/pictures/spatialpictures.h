#pragma once

#include "spatialpuzzles.h"

#include <QImage>
#include <QVector>

class PictureOutput;
class QPainter;

// Draws a spatial puzzle: the loose pieces in the framed top-left cell, the candidates A to E in the others.
QImage drawSpatialPuzzle(const SpatialPuzzles::Puzzle &puzzle, int scale = 1);
// The same drawing on any painter, in picture pixels from the top left corner (the booklet's vectors).
void paintSpatialPuzzle(QPainter &painter, const SpatialPuzzles::Puzzle &puzzle);

// The colours of those pictures, with the shades their smoothed edges need.
QVector<QRgb> spatialPalette();

// Questions 2 to 60 of the output's series as image2.gif to image60.gif; for series 1, question 1 as
// the example stored with the screens (spatial1.jpg).
void writeSpatialPictures(PictureOutput &output);
