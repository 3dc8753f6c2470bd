#pragma once

#include "spatialfigures.h"

#include <QRectF>
#include <QTransform>
#include <QVector>

#include <array>

// The spatial assembly puzzles as geometry. For each question: the figure cut into pieces, those
// pieces as shown in the framed cell (each turned and moved), and the five candidate figures, one of
// them the figure itself. The pictures are drawn from this model and the tests check it.
namespace SpatialPuzzles {

// One of the five answers: a figure and the motion that puts it into its cell of the picture.
struct Candidate {
    Figure figure;
    QTransform placement;
    Alteration alteration = Alteration::None;
};

// A piece of the right figure as shown in the framed cell: a rigid motion (turn and shift, never a
// mirror image) from the figure into the picture, and the polygon it gives.
struct LoosePiece {
    int piece = 0; // index among the pieces of the right figure
    QTransform placement;
    Polygon shown;
};

struct Puzzle {
    int question = 0;
    int answer = 0; // 1 = A ... 5 = E
    std::array<Candidate, 5> candidates; // A to E
    QVector<LoosePiece> loosePieces;

    const Figure &rightFigure() const { return candidates[size_t(answer - 1)].figure; }
};

constexpr int PictureWidth = 260;
constexpr int PictureHeight = 340;
constexpr int CellCount = 6;
// Cell 0 is the framed cell of the loose pieces; cells 1 to 5 hold the candidates A to E.
QRectF cellRect(int cell);
// Where a drawing may go inside a cell, clear of the frame and of the letter.
QRectF drawingRect(int cell);

// Least room between two loose pieces, in pixels.
constexpr double PieceGap = 7;

// The puzzle of a question, 1 to 60, in a series (series.h); the same every time. Question 1 is the
// worked example, the same in every series.
Puzzle puzzle(int question, int series);

} // namespace SpatialPuzzles
