#include "booklet.h"
#include "bookletdrawing.h"
#include "bookletwriter.h"
#include "spatialpictures.h"
#include "spatialpuzzles.h"

#include "spatial/spatialkey.h"

#include <QPainterPath>
#include <QtMath>

#include <cmath>

namespace Booklet {

namespace {

using namespace SpatialPuzzles;
using BookletDrawing::badge;

QString reasonFor(Alteration alteration)
{
    switch (alteration) {
    case Alteration::CutEndMoved:
        return QStringLiteral("découpe différente : un trait ne part pas du même point");
    case Alteration::CutSlid:
        return QStringLiteral("découpe différente : le trait est décalé");
    case Alteration::BendMoved:
        return QStringLiteral("découpe différente : le coude du trait a bougé");
    case Alteration::Reshaped:
        return QStringLiteral("contour aux proportions différentes");
    case Alteration::Mirrored:
        return QStringLiteral("image miroir des pièces");
    case Alteration::MirroredAndRecut:
        return QStringLiteral("image miroir, et découpe différente");
    case Alteration::InnerFigureAdded:
        return QStringLiteral("une figure intérieure qui n'est pas parmi les pièces");
    case Alteration::CrossingCuts:
        return QStringLiteral("découpe différente : deux traits qui se croisent");
    case Alteration::None:
        break;
    }
    return QStringLiteral("la bonne figure");
}

// How far a loose piece is turned from its place in the figure, in whole degrees clockwise on the page.
int turnOf(const LoosePiece &loose)
{
    const double degrees = qRadiansToDegrees(std::atan2(loose.placement.m12(), loose.placement.m11()));
    return (int(std::lround(degrees)) % 360 + 360) % 360;
}

QString turnText(int degrees)
{
    if (degrees == 180)
        return QStringLiteral("pivotée de 180°");
    if (degrees < 180)
        return QStringLiteral("pivotée de %1° (sens horaire)").arg(degrees);
    return QStringLiteral("pivotée de %1° (sens inverse)").arg(360 - degrees);
}

QPainterPath pathOf(const SpatialGeometry::Shape &shape, const QTransform &transform)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(transform.map(shape.outline));
    path.closeSubpath();
    for (const SpatialGeometry::Polygon &hole : shape.holes) {
        path.addPolygon(transform.map(hole));
        path.closeSubpath();
    }
    return path;
}

// The keyed figure with every piece in its place, numbered and hatched as in the list beside it.
void drawAssembled(BookletWriter &writer, const Puzzle &puzzle, const QRectF &box)
{
    const Candidate &right = puzzle.candidates[size_t(puzzle.answer - 1)];
    const QRectF bounds = right.placement.map(right.figure.outline).boundingRect();
    const QRectF area = writer.mm(box);
    const double scale = std::min(area.width() / bounds.width(), area.height() / bounds.height());
    const QTransform toPage = right.placement
        * QTransform::fromTranslate(-bounds.center().x(), -bounds.center().y())
        * QTransform::fromScale(scale, scale)
        * QTransform::fromTranslate(area.center().x(), area.center().y());
    QPainter &painter = writer.painter();
    for (int k = 0; k < puzzle.loosePieces.size(); ++k) {
        const SpatialGeometry::Shape &piece = right.figure.pieces[puzzle.loosePieces[k].piece];
        const QPainterPath path = pathOf(piece, toPage);
        painter.fillPath(path, BookletDrawing::pieceColour(k));
        painter.fillPath(path, QBrush(QColor(70, 70, 70), BookletDrawing::pieceHatching(k)));
        painter.strokePath(path, QPen(Qt::black, writer.mm(0.35)));
    }
    for (int k = 0; k < puzzle.loosePieces.size(); ++k) {
        const SpatialGeometry::Shape &piece = right.figure.pieces[puzzle.loosePieces[k].piece];
        badge(
            writer, toPage.map(BookletDrawing::innermostPoint(piece.outline)), QString::number(k + 1), false);
    }
}

void drawQuestion(BookletWriter &writer, int question, double top)
{
    const Puzzle puzzle = SpatialPuzzles::puzzle(question);
    const QChar letter = QLatin1Char(SpatialKey::letterOf(puzzle.answer));
    writer.text({ BookletWriter::Margin, top, BookletWriter::ContentWidth, 7 }, answerLine(question, letter),
        writer.font(11, true));

    const double pictureTop = top + 7;
    const QTransform toPage = BookletDrawing::placePicture(writer,
        { SpatialPuzzles::PictureWidth, SpatialPuzzles::PictureHeight },
        { BookletWriter::Margin, pictureTop, 52, 68 },
        [&puzzle](QPainter &painter) { paintSpatialPuzzle(painter, puzzle); });
    for (int k = 0; k < puzzle.loosePieces.size(); ++k)
        badge(writer, toPage.map(BookletDrawing::innermostPoint(puzzle.loosePieces[k].shown)),
            QString::number(k + 1), false, 3.6);

    const double figureLeft = BookletWriter::Margin + 57;
    writer.text({ figureLeft, pictureTop, 48, 6 }, QStringLiteral("Assemblée (figure %1) :").arg(letter),
        writer.font(9, true));
    drawAssembled(writer, puzzle, { figureLeft + 2, pictureTop + 8, 44, 44 });

    const double textLeft = BookletWriter::Margin + 110;
    const double textWidth = BookletWriter::ContentWidth - 110;
    double y = pictureTop;
    for (int k = 0; k < puzzle.loosePieces.size(); ++k) {
        y += writer.text({ textLeft, y, textWidth, 10 },
                 French::typeset(
                     QStringLiteral("Pièce %1 : %2").arg(k + 1).arg(turnText(turnOf(puzzle.loosePieces[k])))),
                 writer.font(8.5))
            + 0.8;
    }
    y += 2;
    y += writer.text(
             { textLeft, y, textWidth, 6 }, QStringLiteral("Les autres figures"), writer.font(8.5, true))
        + 0.8;
    for (int slot = 0; slot < SpatialKey::ChoiceCount; ++slot) {
        if (slot == puzzle.answer - 1)
            continue;
        y += writer.text({ textLeft, y, textWidth, 10 },
                 French::typeset(QStringLiteral("%1 : %2")
                                     .arg(QLatin1Char(SpatialKey::letterOf(slot + 1)))
                                     .arg(reasonFor(puzzle.candidates[size_t(slot)].alteration))),
                 writer.font(8.5))
            + 0.8;
    }
}

} // namespace

void spatialSection(BookletWriter &writer)
{
    BookletGrid grid(writer, SpatialLayout.perPage);
    for (int question = 1; question <= SpatialKey::QuestionCount; ++question)
        drawQuestion(writer, question, grid.nextCell().top());
}

} // namespace Booklet
