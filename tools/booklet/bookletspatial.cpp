#include "booklet.h"
#include "bookletdrawing.h"
#include "bookletwriter.h"
#include "series.h"
#include "spatialexplanation.h"
#include "spatialpictures.h"
#include "spatialpuzzles.h"

#include "spatial/spatialbank.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace Booklet {

namespace {

// The answer printed for a question, as the key page and the answer pages both show it.
QString answerOf(int question)
{
    return QString(QLatin1Char(SpatialBank::letterOf(SpatialBank::AnswerValues[size_t(question - 1)])));
}

using namespace SpatialPuzzles;
using BookletDrawing::badge;

// The marks drawn over the pictures, in a colour that still reads as a dark line in black and white.
const QColor MarkColour(200, 0, 0);
constexpr double LooseBadge = 3.6; // millimetres across
constexpr double ArrowGap = 1.1; // from a number to the turn arrow around it, millimetres

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
    const QVector<SpatialExplanation::Assembly> places = SpatialExplanation::assembly(puzzle);
    for (int k = 0; k < puzzle.loosePieces.size(); ++k) {
        const SpatialGeometry::Shape &piece = right.figure.pieces[places[k].place];
        const QPainterPath path = pathOf(piece, toPage);
        painter.fillPath(path, BookletDrawing::pieceColour(k));
        painter.fillPath(path, QBrush(QColor(70, 70, 70), BookletDrawing::pieceHatching(k)));
        painter.strokePath(path, QPen(Qt::black, writer.mm(0.35)));
    }
    for (int k = 0; k < puzzle.loosePieces.size(); ++k) {
        const SpatialGeometry::Shape &piece = right.figure.pieces[places[k].place];
        badge(
            writer, toPage.map(BookletDrawing::innermostPoint(piece.outline)), QString::number(k + 1), false);
    }
}

// Where a loose piece's number goes, in picture pixels: on the piece when it fits there, otherwise just
// beside it, clear of the other pieces and numbers; its turn arrow, `reach` around it, stays inside
// the framed cell. A number with no clear room beside its piece stays on it.
QPointF badgeSpot(const Puzzle &puzzle, int k, double badgeRadius, double reach,
    const QVector<QPointF> &taken, bool *inside)
{
    const Polygon &shown = puzzle.loosePieces[k].shown;
    const QPointF innermost = BookletDrawing::innermostPoint(shown);
    const QRectF room = drawingRect(0).adjusted(reach, reach, -reach, -reach);
    const QPointF kept(std::clamp(innermost.x(), room.left(), room.right()),
        std::clamp(innermost.y(), room.top(), room.bottom()));
    *inside = SpatialGeometry::contains(shown, kept)
        && SpatialGeometry::distanceToBoundary(shown, kept) >= 1.1 * badgeRadius;
    if (*inside)
        return kept;
    auto clearance = [&](QPointF spot) {
        double least = std::numeric_limits<double>::infinity();
        for (const LoosePiece &loose : puzzle.loosePieces) {
            least = std::min(least,
                SpatialGeometry::contains(loose.shown, spot)
                    ? 0
                    : SpatialGeometry::distanceToBoundary(loose.shown, spot));
        }
        // The numbers beside their pieces carry their arrows around them.
        for (const QPointF &other : taken)
            least = std::min(
                least, std::hypot(other.x() - spot.x(), other.y() - spot.y()) / 2 - 1.8 * badgeRadius);
        return least;
    };
    QPointF best = kept;
    double bestClearance = badgeRadius;
    *inside = true;
    for (int step = 0; step < 24; ++step) {
        const QPointF direction(std::cos(step * M_PI / 12), std::sin(step * M_PI / 12));
        // Out from the piece until its number stands clear of it.
        QPointF spot = innermost;
        while (room.contains(spot)
            && (SpatialGeometry::contains(shown, spot)
                || SpatialGeometry::distanceToBoundary(shown, spot) < badgeRadius))
            spot += direction;
        if (!room.contains(spot))
            continue;
        if (const double clear = clearance(spot); clear > bestClearance) {
            bestClearance = clear;
            best = spot;
            *inside = false;
        }
    }
    return best;
}

// A curved arrow around a piece's number, turning the way the piece must be turned.
void drawTurnArrow(BookletWriter &writer, QPointF centre, int degrees)
{
    if (degrees == 0)
        return;
    const double radius = writer.mm(LooseBadge / 2 + ArrowGap);
    const double sweep = std::max(std::abs(degrees), 90); // Qt's arcs turn anticlockwise when positive
    const double signedSweep = degrees > 0 ? -sweep : sweep;
    const double start = 90 - signedSweep / 2; // centred on the top
    QPainterPath arc;
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    arc.arcMoveTo(circle, start);
    arc.arcTo(circle, start, signedSweep);
    QPainter &painter = writer.painter();
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(MarkColour, writer.mm(0.45), Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(arc);
    // The head, along the tangent at the end of the arc.
    const double end = qDegreesToRadians(start + signedSweep);
    const QPointF tip(centre.x() + radius * std::cos(end), centre.y() - radius * std::sin(end));
    const double way = degrees > 0 ? 1 : -1;
    const QPointF along(way * std::sin(end), way * std::cos(end));
    const QPointF across(-along.y(), along.x());
    const double head = writer.mm(1.3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(MarkColour);
    painter.drawPolygon(QPolygonF({ tip + along * head * 0.6, tip - along * head * 0.6 + across * head * 0.55,
        tip - along * head * 0.6 - across * head * 0.55 }));
    painter.restore();
}

void drawLoosePieceMarks(BookletWriter &writer, const Puzzle &puzzle, const QTransform &toPage)
{
    const double pixelsPerMm = writer.mm(1) / toPage.m11();
    const QVector<SpatialExplanation::Assembly> places = SpatialExplanation::assembly(puzzle);
    QVector<QPointF> taken;
    for (int k = 0; k < puzzle.loosePieces.size(); ++k) {
        bool inside = true;
        const QPointF spot = badgeSpot(puzzle, k, LooseBadge / 2 * pixelsPerMm,
            (LooseBadge / 2 + ArrowGap + 0.8) * pixelsPerMm, taken, &inside);
        taken.append(spot);
        const QPointF centre = toPage.map(spot);
        if (!inside) {
            writer.painter().save();
            writer.painter().setPen(QPen(Qt::black, writer.mm(0.2)));
            writer.painter().drawLine(
                centre, toPage.map(BookletDrawing::innermostPoint(puzzle.loosePieces[k].shown)));
            writer.painter().restore();
        }
        drawTurnArrow(writer, centre, places[k].turn);
        badge(writer, centre, QString::number(k + 1), false, LooseBadge);
    }
}

// A double-headed arrow from `a` to `b`, device units.
void doubleArrow(QPainter &painter, QPointF a, QPointF b, double head)
{
    painter.drawLine(a, b);
    const QPointF along = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF across(-along.y(), along.x());
    for (const auto &[tip, inward] : { std::pair { a, along }, std::pair { b, -along } })
        painter.drawPolyline(QPolygonF(
            { tip + inward * head + across * head * 0.6, tip, tip + inward * head - across * head * 0.6 }));
}

void drawDifference(BookletWriter &writer, const Puzzle &puzzle, int slot,
    const SpatialExplanation::Difference &difference, const QTransform &toPage)
{
    QPainter &painter = writer.painter();
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(MarkColour, writer.mm(0.4)));
    const double ring = writer.mm(1.7);
    for (const QPointF &point : difference.circled)
        painter.drawEllipse(toPage.map(point), ring, ring);
    const Candidate &candidate = puzzle.candidates[size_t(slot)];
    const QRectF figure = toPage.mapRect(candidate.placement.map(candidate.figure.outline).boundingRect());
    const double gap = writer.mm(1);
    if (difference.widthDiffers)
        doubleArrow(painter, QPointF(figure.left(), figure.bottom() + gap),
            QPointF(figure.right(), figure.bottom() + gap), writer.mm(1));
    if (difference.heightDiffers)
        doubleArrow(painter, QPointF(figure.right() + gap, figure.top()),
            QPointF(figure.right() + gap, figure.bottom()), writer.mm(1));
    if (difference.mirrored) {
        painter.setPen(QPen(MarkColour, writer.mm(0.35), Qt::DashLine));
        painter.drawLine(QPointF(figure.center().x(), figure.top() - gap),
            QPointF(figure.center().x(), figure.bottom() + gap));
    }
    painter.restore();
}

void drawQuestion(BookletWriter &writer, int question, int series, double top)
{
    const Puzzle puzzle = SpatialPuzzles::puzzle(question, series);
    const QChar letter = QLatin1Char(SpatialBank::letterOf(puzzle.answer));
    writer.beginQuestion(question, top);
    writer.text({ BookletWriter::Margin, top, BookletWriter::ContentWidth, 7 },
        answerLine(question, answerOf(question)), writer.font(11, true));

    const double pictureTop = top + 7;
    const QTransform toPage = BookletDrawing::placePicture(writer, { PictureWidth, PictureHeight },
        { BookletWriter::Margin, pictureTop, 52, 68 },
        [&puzzle](QPainter &painter) { paintSpatialPuzzle(painter, puzzle); });
    drawLoosePieceMarks(writer, puzzle, toPage);
    // The right figure framed thick and ticked in the grid.
    const QRectF rightCell
        = toPage.mapRect(cellRect(puzzle.answer))
              .adjusted(writer.mm(0.35), writer.mm(0.35), -writer.mm(0.35), -writer.mm(0.35));
    writer.painter().save();
    writer.painter().setPen(QPen(Qt::black, writer.mm(0.7)));
    writer.painter().setBrush(Qt::NoBrush);
    writer.painter().drawRect(rightCell);
    writer.painter().restore();
    badge(writer, rightCell.topRight() + QPointF(-writer.mm(2.2), writer.mm(2.2)), QStringLiteral("✔"), true,
        3.4);

    const double figureLeft = BookletWriter::Margin + 56;
    writer.text({ figureLeft, pictureTop, 44, 6 },
        French::typeset(QStringLiteral("Assemblage (figure %1) :").arg(letter)), writer.font(8.5, true));
    drawAssembled(writer, puzzle, { figureLeft + 1, pictureTop + 8, 36, 44 });

    const double textLeft = BookletWriter::Margin + 101;
    const double textWidth = BookletWriter::ContentWidth - 101;
    double y = pictureTop;
    const QVector<SpatialExplanation::Assembly> places = SpatialExplanation::assembly(puzzle);
    for (int k = 0; k < puzzle.loosePieces.size(); ++k) {
        const int turn = places[k].turn;
        y += writer.text({ textLeft, y, textWidth, 10 },
                 French::typeset(
                     QStringLiteral("Pièce %1 : %2").arg(k + 1).arg(SpatialExplanation::turnText(turn))),
                 writer.font(8.5))
            + 0.8;
    }
    y += 2;
    y += writer.text(
             { textLeft, y, textWidth, 6 }, QStringLiteral("Les autres figures"), writer.font(8.5, true))
        + 0.8;
    for (int slot = 0; slot < SpatialBank::ChoiceCount; ++slot) {
        if (slot == puzzle.answer - 1)
            continue;
        const SpatialExplanation::Difference difference = SpatialExplanation::differenceOf(puzzle, slot);
        drawDifference(writer, puzzle, slot, difference, toPage);
        y += writer.text({ textLeft, y, textWidth, 24 },
                 French::typeset(QStringLiteral("%1 : %2")
                                     .arg(QLatin1Char(SpatialBank::letterOf(slot + 1)))
                                     .arg(difference.text)),
                 writer.font(8))
            + 0.8;
    }
}

} // namespace

QStringList spatialAnswers()
{
    QStringList answers;
    for (int question = 1; question <= SpatialBank::QuestionCount; ++question)
        answers.append(answerOf(question));
    return answers;
}

void spatialSection(BookletWriter &writer, int series)
{
    BookletGrid grid(writer, SpatialLayout.perPage);
    for (int question = 1; question <= SpatialBank::QuestionCount; ++question)
        drawQuestion(writer, question, series, grid.nextCell().top());
}

namespace {

[[maybe_unused]] const bool Registered = TestRegistry<TestEntry>::add({ .test = SpatialBank::Test,
    .method = spatialMethod,
    .layout = SpatialLayout,
    .draw = spatialSection,
    .paperLayout = SpatialPaper,
    .drawPaper = spatialPaper,
    .answers = spatialAnswers });

} // namespace

} // namespace Booklet
