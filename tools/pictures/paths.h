#pragma once

#include <QImage>
#include <QPoint>
#include <QVector>

class PictureOutput;
class QPainter;

// The pictures of the path turn-counting test: one thick path of straight stretches joined at
// right-angle corners, walked from its open start on the lower edge to an arrow head.
namespace PathPictures {

constexpr int Size = 200;
constexpr int LineWidth = 5;
constexpr int ArrowLength = 16;
constexpr int ArrowHalfWidth = 8;

// Pixel coordinates, y growing downward. The first corner is the open start, on the lower edge
// (y == Size); the last one is the tip of the arrow head. A stroke is centred on the pixels the
// corners name.
struct Path {
    QVector<QPoint> corners;
};

// The path of question 1 to 30 in a series (series.h); the same question of the same series always
// gives the same path (no corners at all if none fits the picture). Question 1 is the worked
// example, the same in every series.
Path layout(int question, int series);

QImage draw(const Path &path, int scale = 1);
// The same drawing on any painter, in picture pixels from the top left corner.
void paint(QPainter &painter, const Path &path);

// chemin2.gif to chemin30.gif of the output's series, and for series 1 question 1 (the worked
// example) as the asset chemin1.jpg.
void writeAll(PictureOutput &output);

} // namespace PathPictures
