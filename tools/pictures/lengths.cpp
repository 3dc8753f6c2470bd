#include "lengths.h"

#include "gifwriter.h"
#include "lengths/lengthsbank.h"
#include "pictureoutput.h"
#include "seededrange.h"
#include "series.h"

#include <QPainter>

#include <utility>

namespace LengthPictures {

namespace {

// Lines that do not rest on the rectangle keep this far from it, and this far apart.
constexpr int Clearance = 10;
constexpr int Spacing = 24;
constexpr int ShortestLonger = 110;
// How far the drawn ratio may stray from the whole tenth, in hundredths of a tenth: enough to
// call for an estimate, never near the half-way point to a neighbouring tenth.
constexpr int Stray = 15;

const QRgb Paper = qRgb(255, 255, 255);
const QRgb Ink = qRgb(0, 0, 0);
const QRgb Outline = qRgb(40, 60, 140);

enum class Placement { StandingOnBottom, HangingFromTop, SharedBaseline, Staggered };

// Tops of the two lines (longer first) for one way of placing them.
std::pair<int, int> tops(Placement placement, int longer, int shorter, std::mt19937 &random)
{
    switch (placement) {
    case Placement::StandingOnBottom:
        return { InsideBottom - longer, InsideBottom - shorter };
    case Placement::HangingFromTop:
        return { InsideTop, InsideTop };
    case Placement::SharedBaseline: {
        const int bottom = seededInt(random, InsideTop + Clearance + longer, InsideBottom - Clearance);
        return { bottom - longer, bottom - shorter };
    }
    case Placement::Staggered:
        break;
    }
    const int highest = InsideTop + Clearance;
    return { seededInt(random, highest, InsideBottom - Clearance - longer),
        seededInt(random, highest, InsideBottom - Clearance - shorter) };
}

} // namespace

Lines layout(int question, int series)
{
    if (question == 1) {
        // The worked example: both lines stand on the bottom, the short one a fifth of the long one.
        return { { 30, InsideBottom - 150, 150 }, { 64, InsideBottom - 30, 30 } };
    }
    std::mt19937 random(static_cast<std::uint32_t>(Series::seed(5300 + question, series)));
    const int key = LengthsBank::AnswerKey[size_t(question - 1)];
    const int longer = seededInt(random, ShortestLonger, InsideBottom - InsideTop - 2 * Clearance);
    const int hundredths = key * 100 + seededInt(random, -Stray, Stray);
    const int shorter = (longer * hundredths + 500) / 1000;

    const int rightmost = InsideRight - Clearance - LineWidth;
    const int firstLeft = seededInt(random, InsideLeft + Clearance, rightmost - Spacing);
    const int secondLeft = seededInt(random, firstLeft + Spacing, rightmost);
    const auto placement = static_cast<Placement>(seededInt(random, 0, 3));
    const auto [longerTop, shorterTop] = tops(placement, longer, shorter, random);

    const Line longLine { 0, longerTop, longer };
    const Line shortLine { 0, shorterTop, shorter };
    Lines lines
        = seededInt(random, 0, 1) == 0 ? Lines { longLine, shortLine } : Lines { shortLine, longLine };
    lines.first.left = firstLeft;
    lines.second.left = secondLeft;
    return lines;
}

QImage draw(const Lines &lines, int scale)
{
    QImage picture(Width * scale, Height * scale, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.scale(scale, scale);
    paint(painter, lines);
    return picture;
}

void paint(QPainter &painter, const Lines &lines)
{
    painter.fillRect(0, 0, Width, Height, QColor(Paper));
    // Whole-pixel rectangles only, so the lines measure exactly what the layout says.
    painter.fillRect(
        FrameInset, FrameInset, Width - 2 * FrameInset, Height - 2 * FrameInset, QColor(Outline));
    painter.fillRect(
        InsideLeft, InsideTop, InsideRight - InsideLeft, InsideBottom - InsideTop, QColor(Paper));
    for (const Line &line : { lines.first, lines.second })
        painter.fillRect(line.left, line.top, LineWidth, line.length, QColor(Ink));
}

void writeAll(PictureOutput &output)
{
    const QVector<QRgb> palette { Paper, Ink, Outline };
    auto drawingOf = [series = output.series()](int question) {
        const Lines lines = layout(question, series);
        return [lines](int scale) { return draw(lines, scale); };
    };
    output.questions(LengthsBank::Bank, drawingOf, palette);
}

} // namespace LengthPictures

namespace {

[[maybe_unused]] const bool Registered
    = TestRegistry<TestPictures>::add({ .test = LengthsBank::Test, .write = LengthPictures::writeAll });

} // namespace
