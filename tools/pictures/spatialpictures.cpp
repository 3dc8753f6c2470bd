#include "spatialpictures.h"

#include "gifwriter.h"
#include "pictureoutput.h"
#include "spatial/spatialbank.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

using SpatialPuzzles::Polygon;
using SpatialPuzzles::Shape;

namespace {

const QRgb Paper = qRgb(255, 255, 255);
const QRgb Ink = qRgb(0, 0, 0);
const QRgb Frame = qRgb(0, 0, 200);
const QRgb PieceFill = qRgb(220, 220, 220);

constexpr double LineWidth = 1.6;

QPainterPath pathOf(const Shape &shape, const QTransform &placement)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(placement.map(shape.outline));
    path.closeSubpath();
    for (const Polygon &hole : shape.holes) {
        path.addPolygon(placement.map(hole));
        path.closeSubpath();
    }
    return path;
}

// Every piece on show, where it is drawn.
QVector<QPainterPath> piecesOnShow(const SpatialPuzzles::Puzzle &puzzle)
{
    QVector<QPainterPath> paths;
    for (const SpatialPuzzles::LoosePiece &loose : puzzle.loosePieces)
        paths.append(pathOf(Shape { loose.shown, {} }, QTransform()));
    for (const SpatialPuzzles::Candidate &candidate : puzzle.candidates) {
        for (const Shape &piece : candidate.figure.pieces)
            paths.append(pathOf(piece, candidate.placement));
    }
    return paths;
}

void drawGrid(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(Ink), 1));
    painter.setBrush(Qt::NoBrush);
    const int width = SpatialPuzzles::PictureWidth;
    const int height = SpatialPuzzles::PictureHeight;
    painter.drawRect(0, 0, width - 1, height - 1);
    const QRectF lastCell = SpatialPuzzles::cellRect(SpatialPuzzles::CellCount - 1);
    painter.drawLine(QPointF(lastCell.left() - 1, 0), QPointF(lastCell.left() - 1, height - 1));
    for (int cell = 2; cell < SpatialPuzzles::CellCount; cell += 2) {
        const double y = SpatialPuzzles::cellRect(cell).top() - 1;
        painter.drawLine(QPointF(0, y), QPointF(width - 1, y));
    }
    painter.setPen(QPen(QColor(Frame), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const QRectF framed = SpatialPuzzles::cellRect(0);
    painter.drawRect(QRectF(framed.left() + 2, framed.top() + 2, framed.width() - 6, framed.height() - 6));
}

void drawLetters(QPainter &painter)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(Ink));
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (int choice = 1; choice <= SpatialBank::ChoiceCount; ++choice) {
        const QRectF cell = SpatialPuzzles::cellRect(choice);
        painter.drawText(QRectF(cell.left() + 5, cell.top() + 3, 14, 16), Qt::AlignLeft | Qt::AlignTop,
            QString(QChar(SpatialBank::letterOf(choice))));
    }
}

} // namespace

QImage drawSpatialPuzzle(const SpatialPuzzles::Puzzle &puzzle, int scale)
{
    QImage image(
        SpatialPuzzles::PictureWidth * scale, SpatialPuzzles::PictureHeight * scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paintSpatialPuzzle(painter, puzzle);
    return image;
}

void paintSpatialPuzzle(QPainter &painter, const SpatialPuzzles::Puzzle &puzzle)
{
    painter.save();
    painter.fillRect(QRect(0, 0, SpatialPuzzles::PictureWidth, SpatialPuzzles::PictureHeight), QColor(Paper));
    drawGrid(painter);
    drawLetters(painter);

    painter.setRenderHint(QPainter::Antialiasing, true);
    const QVector<QPainterPath> pieces = piecesOnShow(puzzle);
    // All fills before all lines, so that no fill covers half of a shared cut line.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(PieceFill));
    for (const QPainterPath &piece : pieces)
        painter.drawPath(piece);
    painter.setBrush(Qt::NoBrush);
    // Round joins: a mitre would stick out past sharp corners where several pieces meet.
    painter.setPen(QPen(QColor(Ink), LineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const QPainterPath &piece : pieces)
        painter.drawPath(piece);
    painter.restore();
}

QVector<QRgb> spatialPalette()
{
    return shadedPalette({ Paper, Ink, Frame, PieceFill }, 8);
}

void writeSpatialPictures(PictureOutput &output)
{
    const auto drawingOf = [series = output.series()](int question) -> PictureOutput::Drawing {
        return [puzzle = SpatialPuzzles::puzzle(question, series)](
                   int scale) { return drawSpatialPuzzle(puzzle, scale); };
    };
    output.questions(SpatialBank::Bank, drawingOf, spatialPalette());
}

namespace {

[[maybe_unused]] const bool Registered
    = TestRegistry<TestPictures>::add({ .test = SpatialBank::Test, .write = writeSpatialPictures });

} // namespace
