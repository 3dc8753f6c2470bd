#pragma once

#include <QImage>

class PictureOutput;
class QPainter;

// The pictures of the length-ratio test: a tall rectangle holding two parallel vertical lines, the
// shorter measuring a whole number of tenths of the longer.
namespace LengthPictures {

constexpr int Width = 100;
constexpr int Height = 200;
constexpr int LineWidth = 3;
// The rectangle's outline, two pixels wide, two pixels in from the picture's edges.
constexpr int FrameInset = 2;
constexpr int FrameWidth = 2;
constexpr int InsideLeft = FrameInset + FrameWidth;
constexpr int InsideTop = FrameInset + FrameWidth;
constexpr int InsideRight = Width - InsideLeft; // exclusive
constexpr int InsideBottom = Height - InsideTop; // exclusive

// A vertical line LineWidth pixels wide: columns left onwards, rows top to top + length - 1.
struct Line {
    int left = 0;
    int top = 0;
    int length = 0;
};

struct Lines {
    Line first;
    Line second;
};

// The lines of question 1 to 30 in a series (series.h); the same question of the same series always
// gives the same lines. Question 1 is the worked example, the same in every series.
Lines layout(int question, int series);

QImage draw(const Lines &lines, int scale = 1);
// The same drawing on any painter, in picture pixels from the top left corner.
void paint(QPainter &painter, const Lines &lines);

// barre2.gif to barre30.gif of the output's series, and for series 1 question 1 (the worked
// example) as the asset barre1.jpg.
void writeAll(PictureOutput &output);

} // namespace LengthPictures
