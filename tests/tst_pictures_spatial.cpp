// The spatial assembly pictures: the geometry of every puzzle is checked, and every written picture is read
// back from its pixels: the loose pieces must put together exactly the figure at the letter of the answer
// key, and no other candidate may be made of them.
#include "pictureoutput.h"
#include "series.h"
#include "seriesfolders.h"
#include "spatial/spatialbank.h"
#include "spatialpictures.h"
#include "spatialpuzzles.h"
#include "spatialreading.h"

#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>
#include <tuple>

using namespace SpatialGeometry;
using namespace SpatialPuzzles;
using SpatialPuzzles::Candidate;
using SpatialPuzzles::Figure;
using SpatialPuzzles::LoosePiece;
using SpatialPuzzles::Puzzle;

namespace {

// Points of a circle of `radius` at the given angles, in degrees; the polygon closes along the chord.
Polygon arc(double radius, const QVector<double> &degrees)
{
    Polygon polygon;
    for (double angle : degrees)
        polygon << QPointF(
            radius * std::cos(qDegreesToRadians(angle)), radius * std::sin(qDegreesToRadians(angle)));
    return polygon;
}

QVector<double> steps(double from, double to, double step)
{
    QVector<double> angles;
    for (double angle = from; angle <= to + 1e-9; angle += step)
        angles.append(angle);
    return angles;
}

Polygon turned(const Polygon &polygon, double degrees, QPointF shift)
{
    QTransform motion;
    motion.translate(shift.x(), shift.y());
    motion.rotate(degrees);
    return motion.map(polygon);
}

Shape shape(const Polygon &polygon)
{
    return Shape { polygon, {} };
}

bool samePolygon(const Polygon &a, const Polygon &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (QLineF(a[i], b[i]).length() > 1e-6)
            return false;
    }
    return true;
}

QVector<Shape> shownShapes(const Puzzle &puzzle)
{
    QVector<Shape> shapes;
    for (const LoosePiece &loose : puzzle.loosePieces)
        shapes.append(shape(loose.shown));
    return shapes;
}

// Sample points of the outline that are clear of every piece boundary; each must lie in exactly one piece.
int badlyCoveredPoints(const Figure &figure)
{
    int bad = 0;
    const QRectF box = figure.outline.boundingRect();
    for (double x = box.left() + 0.5; x < box.right(); x += 2) {
        for (double y = box.top() + 0.5; y < box.bottom(); y += 2) {
            const QPointF point(x, y);
            if (!containsWithMargin(figure.outline, point, 0.01))
                continue;
            bool nearEdge = false;
            int holders = 0;
            for (const Shape &piece : figure.pieces) {
                nearEdge = nearEdge || distanceToBoundary(piece.outline, point) < 0.01;
                for (const Polygon &hole : piece.holes)
                    nearEdge = nearEdge || distanceToBoundary(hole, point) < 0.01;
                holders += contains(piece, point) ? 1 : 0;
            }
            if (!nearEdge && holders != 1)
                ++bad;
        }
    }
    return bad;
}

double piecesArea(const Figure &figure)
{
    double total = 0;
    for (const Shape &piece : figure.pieces)
        total += area(piece);
    return total;
}

bool isProperRotation(const QTransform &motion)
{
    const double determinant = motion.m11() * motion.m22() - motion.m12() * motion.m21();
    return motion.type() <= QTransform::TxRotate && std::abs(determinant - 1) < 1e-9
        && std::abs(motion.m11() * motion.m11() + motion.m12() * motion.m12() - 1) < 1e-9
        && std::abs(motion.m11() - motion.m22()) < 1e-9 && std::abs(motion.m12() + motion.m21()) < 1e-9;
}

// Interior points of a piece at least `margin` from its edges, on a grid.
QVector<QPointF> deepPoints(const Shape &piece, double margin)
{
    QVector<QPointF> points;
    const QRectF box = piece.outline.boundingRect();
    for (double x = std::floor(box.left()) + 0.5; x < box.right(); x += 3) {
        for (double y = std::floor(box.top()) + 0.5; y < box.bottom(); y += 3) {
            const QPointF point(x, y);
            if (contains(piece, point) && distanceToBoundary(piece.outline, point) > margin
                && std::all_of(piece.holes.begin(), piece.holes.end(),
                    [&](const Polygon &hole) { return distanceToBoundary(hole, point) > margin; }))
                points.append(point);
        }
    }
    return points;
}

QRgb pixelAt(const QImage &picture, QPointF point)
{
    return picture.pixel(int(std::floor(point.x())), int(std::floor(point.y())));
}

} // namespace

Q_DECLARE_METATYPE(SpatialPuzzles::Design)

class tst_pictures_spatial : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void congruence_data();
    void congruence();
    void figuresFromDesigns_data();
    void figuresFromDesigns();

    void onlyTheKeyedCandidateIsMadeOfTheFramedPieces_data();
    void onlyTheKeyedCandidateIsMadeOfTheFramedPieces();
    void loosePiecesPutBackMakeTheRightFigure_data();
    void loosePiecesPutBackMakeTheRightFigure();
    void loosePiecesAreTurnedNeverMirrored_data();
    void loosePiecesAreTurnedNeverMirrored();
    void everyCandidateIsCutOutOfItsOutline_data();
    void everyCandidateIsCutOutOfItsOutline();
    void drawingsStayInsideTheirCells_data();
    void drawingsStayInsideTheirCells();
    void pictureShowsTheModel_data();
    void pictureShowsTheModel();

    void exampleIsTheOneOfTheInstructions();
    void piecesGrowInNumber();
    void puzzlesAreTheSameEveryTime();
    void generatorWritesEveryPicture();
    void seriesNeverRepeatAFigure();
    void exampleFrameKeepsItsBlue_data();
    void exampleFrameKeepsItsBlue();

private:
    void addQuestionRows() const { addSeriesRows(folders, SpatialBank::QuestionCount); }
    const Puzzle &puzzleOf(int series, int question) const
    {
        return puzzles[series - Series::Own][question - 1];
    }

    // By series, then by question.
    QVector<QVector<Puzzle>> puzzles;
    SeriesFolders folders;
    // The first of two questions of other keys whose pictures the broken series swaps.
    static constexpr int BrokenQuestion = 5;
};

void tst_pictures_spatial::initTestCase()
{
    for (int series = Series::Own; series <= Series::Count; ++series) {
        puzzles.append(QVector<Puzzle>());
        for (int question = 1; question <= SpatialBank::QuestionCount; ++question)
            puzzles.last().append(SpatialPuzzles::puzzle(question, series));
    }
    folders.write(writeSpatialPictures);
    QVERIFY(SpatialBank::AnswerValues[BrokenQuestion - 1] != SpatialBank::AnswerValues[BrokenQuestion]);
    QVERIFY(folders.breakCopy(
        SpatialBank::Bank.pictureFile(BrokenQuestion), SpatialBank::Bank.pictureFile(BrokenQuestion + 1)));
}

namespace {

// The picture the program shows for a question, read from a series' folder: the first one is compiled in.
QImage writtenPicture(const QString &folder, int question)
{
    return QImage(question == 1 ? QStringLiteral(":/assets/") + SpatialBank::Bank.embeddedPicture()
                                : QDir(folder).filePath(SpatialBank::Bank.pictureFile(question)))
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

void tst_pictures_spatial::congruence_data()
{
    QTest::addColumn<Polygon>("a");
    QTest::addColumn<Polygon>("b");
    QTest::addColumn<bool>("congruent");
    QTest::addColumn<bool>("alike");

    const Polygon scalene { { 0, 0 }, { 60, 0 }, { 45, 25 } };
    QTest::newRow("turned and moved") << scalene << turned(scalene, 37, { 80, -12 }) << true << true;
    QTest::newRow("listed from another corner")
        << scalene << Polygon { scalene[1], scalene[2], scalene[0] } << true << true;
    QTest::newRow("mirror image") << scalene << mirrored(scalene) << false << false;
    QTest::newRow("mirror image turned") << scalene << turned(mirrored(scalene), 180, {}) << false << false;
    QTest::newRow("larger") << scalene << QTransform::fromScale(1.3, 1.3).map(scalene) << false << false;
    QTest::newRow("a corner on a straight side")
        << outlinePolygon(rectangle(40, 20))
        << Polygon { { -20, -10 }, { 5, -10 }, { 20, -10 }, { 20, 10 }, { -20, 10 } } << true << true;
    QTest::newRow("a hair's breadth taller")
        << outlinePolygon(rectangle(40, 20)) << outlinePolygon(rectangle(40, 23)) << false << true;
    QTest::newRow("visibly taller") << outlinePolygon(rectangle(40, 20)) << outlinePolygon(rectangle(40, 27))
                                    << false << false;
    QTest::newRow("square and rhombus")
        << outlinePolygon(rectangle(30, 30)) << Polygon { { 0, 0 }, { 30, 0 }, { 40, 28.3 }, { 10, 28.3 } }
        << false << false;
    // The same half-disc drawn with its arc corners in other places: a person sees one shape.
    QTest::newRow("half-discs of other polygons")
        << arc(40, steps(180, 360, 5))
        << arc(40, QVector<double> { 180 } + steps(182.5, 357.5, 5) + QVector<double> { 360 }) << false
        << true;
    QTest::newRow("sectors of 60 and 90 degrees")
        << Polygon(arc(40, steps(0, 60, 5)) << QPointF(0, 0))
        << Polygon(arc(40, steps(0, 90, 5)) << QPointF(0, 0)) << false << false;
}

void tst_pictures_spatial::congruence()
{
    QFETCH(Polygon, a);
    QFETCH(Polygon, b);
    QFETCH(bool, congruent);
    QFETCH(bool, alike);
    QVERIFY(signedArea(a) > 0 && signedArea(b) > 0);
    const Shape first = shape(a);
    const Shape second = shape(b);
    QCOMPARE(SpatialGeometry::congruent(first, second), congruent);
    QCOMPARE(SpatialGeometry::congruent(second, first), congruent);
    QCOMPARE(
        SpatialGeometry::alike(first, second, SpatialPuzzles::VisibleLength, SpatialPuzzles::VisibleAngle),
        alike);
}

void tst_pictures_spatial::figuresFromDesigns_data()
{
    QTest::addColumn<Design>("design");
    QTest::addColumn<int>("pieces"); // 0: no figure
    QTest::addColumn<int>("corners"); // of the first piece

    QTest::newRow("diagonal") << Design { square(60), { cut(onEdge(0), onEdge(2)) } } << 2 << 3;
    QTest::newRow("crossing diagonals")
        << Design { square(60), { cut(onEdge(0), onEdge(2)), cut(onEdge(1), onEdge(3)) } } << 4 << 3;
    QTest::newRow("cut ending on a cut")
        << Design { square(60), { cut(onEdge(0), onEdge(2)), cut(onEdge(3, 0.5), onCut(0, 0.5)) } } << 3 << 3;
    QTest::newRow("bent cut") << Design { square(60),
        { cut(onEdge(0, 0.5), onEdge(2, 0.5), { { 0.2, 0.5 } }) } }
                              << 2 << 5;
    QTest::newRow("diameter") << Design { circle(40), { cut(onEdge(0), onEdge(36)) } } << 2 << 2;
    QTest::newRow("end near a corner snaps to it")
        << Design { square(60), { cut(onEdge(0), onEdge(2, 0.04)) } } << 2 << 3;
    QTest::newRow("sliver") << Design { square(60), { cut(onEdge(0, 0.9), onEdge(1, 0.1)) } } << 0 << 0;
    QTest::newRow("cut across the notch")
        << Design { lShape(80, 80, 40, 40), { cut(onEdge(0, 0.5), onEdge(3, 0.5)) } } << 0 << 0;
    QTest::newRow("cut ending on a later cut")
        << Design { square(60), { cut(onEdge(3, 0.5), onCut(1, 0.5)), cut(onEdge(0), onEdge(2)) } } << 0 << 0;
    QTest::newRow("cut along an edge") << Design { square(60), { cut(onEdge(0), onEdge(1)) } } << 0 << 0;
}

void tst_pictures_spatial::figuresFromDesigns()
{
    QFETCH(Design, design);
    QFETCH(int, pieces);
    QFETCH(int, corners);
    const std::optional<Figure> figure = build(design);
    QCOMPARE(figure.has_value(), pieces > 0);
    if (!figure)
        return;
    QCOMPARE(figure->pieces.size(), pieces);
    QCOMPARE(outlineOf(figure->pieces[0].outline).corners.size(), corners);
    QCOMPARE(badlyCoveredPoints(*figure), 0);
    // A mirror image is made of mirror images: the same set only where every piece is symmetric.
    const bool symmetricPieces = std::all_of(figure->pieces.begin(), figure->pieces.end(),
        [](const Shape &piece) { return congruent(piece, mirrored(piece)); });
    QCOMPARE(sameShapes(mirrored(*figure).pieces, figure->pieces, congruent), symmetricPieces);
}

void tst_pictures_spatial::onlyTheKeyedCandidateIsMadeOfTheFramedPieces_data()
{
    addQuestionRows();
    addBrokenRow(folders, BrokenQuestion, SpatialBank::Bank.pictureFile(BrokenQuestion + 1));
}

// Read from the written picture alone: the regions of fill in the framed cell, turned and moved, must
// cover those of the keyed candidate to within a few pixels, and no other candidate's; no two
// candidates may be made of the same regions either.
void tst_pictures_spatial::onlyTheKeyedCandidateIsMadeOfTheFramedPieces()
{
    QFETCH(int, question);
    QFETCH(QString, folder);
    QFETCH(bool, broken);
    const SpatialReading::Reading reading = SpatialReading::read(writtenPicture(folder, question));
    if (broken)
        QEXPECT_FAIL("", "another question's puzzle drawn in its place", Abort);
    QCOMPARE(reading.madeOfThePieces, QVector<int> { SpatialBank::AnswerValues[size_t(question - 1)] });
    QCOMPARE(reading.lookingTheSame, (QVector<QPair<int, int>>()));
}

void tst_pictures_spatial::loosePiecesPutBackMakeTheRightFigure_data()
{
    addQuestionRows();
}

void tst_pictures_spatial::loosePiecesPutBackMakeTheRightFigure()
{
    QFETCH(int, series);
    QFETCH(int, question);
    const Puzzle &puzzle = puzzleOf(series, question);
    const Figure &right = puzzle.rightFigure();
    QCOMPARE(puzzle.loosePieces.size(), right.pieces.size());
    QVector<int> shown(right.pieces.size(), 0);
    for (const LoosePiece &loose : puzzle.loosePieces) {
        QVERIFY(loose.piece >= 0 && loose.piece < right.pieces.size());
        ++shown[loose.piece];
        const Polygon putBack = loose.placement.inverted().map(loose.shown);
        QVERIFY2(samePolygon(putBack, right.pieces[loose.piece].outline),
            qPrintable(QString::number(loose.piece)));
        QVERIFY(right.pieces[loose.piece].holes.isEmpty());
    }
    QCOMPARE(shown, QVector<int>(right.pieces.size(), 1));
    QVERIFY(std::abs(piecesArea(right) - signedArea(right.outline)) < 1e-6 * signedArea(right.outline));
    QCOMPARE(badlyCoveredPoints(right), 0);
}

void tst_pictures_spatial::loosePiecesAreTurnedNeverMirrored_data()
{
    addQuestionRows();
}

void tst_pictures_spatial::loosePiecesAreTurnedNeverMirrored()
{
    QFETCH(int, series);
    QFETCH(int, question);
    const Puzzle &puzzle = puzzleOf(series, question);
    for (const LoosePiece &loose : puzzle.loosePieces) {
        QVERIFY2(isProperRotation(loose.placement), "a loose piece is mirrored, sheared or scaled");
        QVERIFY2(loose.placement.m11() < 1 - 1e-9, "a loose piece is not turned");
        QVERIFY(signedArea(loose.shown) > 0);
    }
    for (const Candidate &candidate : puzzle.candidates)
        QCOMPARE(candidate.placement.type(), QTransform::TxTranslate);
}

void tst_pictures_spatial::everyCandidateIsCutOutOfItsOutline_data()
{
    addQuestionRows();
}

void tst_pictures_spatial::everyCandidateIsCutOutOfItsOutline()
{
    QFETCH(int, series);
    QFETCH(int, question);
    const Puzzle &puzzle = puzzleOf(series, question);
    for (const Candidate &candidate : puzzle.candidates) {
        const Figure &figure = candidate.figure;
        QVERIFY(figure.pieces.size() >= 2);
        QVERIFY(
            std::abs(piecesArea(figure) - signedArea(figure.outline)) < 1e-6 * signedArea(figure.outline));
        QCOMPARE(badlyCoveredPoints(figure), 0);
    }
}

void tst_pictures_spatial::drawingsStayInsideTheirCells_data()
{
    addQuestionRows();
}

void tst_pictures_spatial::drawingsStayInsideTheirCells()
{
    QFETCH(int, series);
    QFETCH(int, question);
    const Puzzle &puzzle = puzzleOf(series, question);
    const QRectF pieceRoom = SpatialPuzzles::drawingRect(0);
    for (int i = 0; i < puzzle.loosePieces.size(); ++i) {
        const Polygon &piece = puzzle.loosePieces[i].shown;
        QVERIFY(pieceRoom.contains(piece.boundingRect()));
        for (int j = i + 1; j < puzzle.loosePieces.size(); ++j)
            QVERIFY(distance(piece, puzzle.loosePieces[j].shown) >= SpatialPuzzles::PieceGap - 1e-9);
    }
    for (int slot = 0; slot < SpatialBank::ChoiceCount; ++slot) {
        const Candidate &candidate = puzzle.candidates[size_t(slot)];
        const QRectF drawn = candidate.placement.map(candidate.figure.outline).boundingRect();
        QVERIFY(SpatialPuzzles::drawingRect(slot + 1).contains(drawn));
    }
}

void tst_pictures_spatial::pictureShowsTheModel_data()
{
    addQuestionRows();
}

void tst_pictures_spatial::pictureShowsTheModel()
{
    QFETCH(int, series);
    QFETCH(int, question);
    const Puzzle &puzzle = puzzleOf(series, question);
    const QImage picture = drawSpatialPuzzle(puzzle);
    QCOMPARE(picture.size(), QSize(SpatialPuzzles::PictureWidth, SpatialPuzzles::PictureHeight));
    const QRgb paper = qRgb(255, 255, 255);

    QVector<Shape> drawn = shownShapes(puzzle);
    for (const Candidate &candidate : puzzle.candidates) {
        for (const Shape &piece : candidate.figure.pieces)
            drawn.append(mapped(piece, candidate.placement));
    }
    QSet<QRgb> fills;
    for (const Shape &piece : drawn) {
        for (const QPointF &point : deepPoints(piece, 3))
            fills.insert(pixelAt(picture, point));
    }
    // Holes are filled too (they are pieces), so every deep point of every piece has one colour.
    QCOMPARE(fills.size(), 1);
    QVERIFY(!fills.contains(paper));

    // Between the loose pieces the framed cell is empty.
    const QRectF room = SpatialPuzzles::drawingRect(0);
    for (double x = room.left() + 0.5; x < room.right(); x += 3) {
        for (double y = room.top() + 0.5; y < room.bottom(); y += 3) {
            const QPointF point(x, y);
            const bool clear = std::all_of(
                puzzle.loosePieces.begin(), puzzle.loosePieces.end(), [point](const LoosePiece &loose) {
                    return !contains(loose.shown, point) && distanceToBoundary(loose.shown, point) > 3;
                });
            if (clear)
                QCOMPARE(pixelAt(picture, point), paper);
        }
    }
}

void tst_pictures_spatial::exampleIsTheOneOfTheInstructions()
{
    const Puzzle &example = puzzleOf(Series::Own, 1);
    QCOMPARE(example.answer, 5);
    // Two thin right triangles.
    const Figure &right = example.rightFigure();
    QCOMPARE(right.pieces.size(), 2);
    for (const Shape &piece : right.pieces) {
        const Outline seen = outlineOf(piece.outline);
        QCOMPARE(seen.corners.size(), 3);
        QVERIFY(std::any_of(seen.corners.begin(), seen.corners.end(),
            [](double turn) { return std::abs(turn - 90) < 1e-6; }));
        QVERIFY(
            std::any_of(seen.corners.begin(), seen.corners.end(), [](double turn) { return turn > 160; }));
    }
    // E: one vertical cut from the apex.
    QCOMPARE(right.cuts.size(), 1);
    const Polygon &cut = right.cuts[0];
    QCOMPARE(cut.size(), 2);
    QCOMPARE(cut[0].x(), cut[1].x());
    QCOMPARE(std::min(cut[0].y(), cut[1].y()), right.outline.boundingRect().top());

    // A, B and C: a circle, a smaller triangle and a square inside the triangle; D: two crossing lines.
    const QVector<int> innerCorners { 0, 3, 4 };
    for (int slot = 0; slot < 3; ++slot) {
        const Figure &figure = example.candidates[size_t(slot)].figure;
        QCOMPARE(figure.pieces.size(), 2);
        QCOMPARE(figure.pieces[0].holes.size(), 1);
        QVERIFY(congruent(shape(figure.pieces[0].holes[0]), figure.pieces[1]));
        QCOMPARE(outlineOf(figure.pieces[1].outline).corners.size(), innerCorners[slot]);
        QVERIFY(congruent(shape(figure.outline), shape(right.outline)));
    }
    const Figure &crossing = example.candidates[3].figure;
    QCOMPARE(crossing.cuts.size(), 2);
    QVERIFY(
        segmentsCross(crossing.cuts[0][0], crossing.cuts[0][1], crossing.cuts[1][0], crossing.cuts[1][1]));
    QCOMPARE(crossing.pieces.size(), 4);
}

void tst_pictures_spatial::piecesGrowInNumber()
{
    int mostEarly = 0;
    int fewestLate = 99;
    for (const QVector<Puzzle> &series : puzzles) {
        for (const Puzzle &puzzle : series) {
            const int count = puzzle.loosePieces.size();
            QVERIFY(count >= 2 && count <= 4);
            if (puzzle.question <= 15)
                mostEarly = std::max(mostEarly, count);
            if (puzzle.question > 40)
                fewestLate = std::min(fewestLate, count);
        }
    }
    QCOMPARE(mostEarly, 2);
    QVERIFY(fewestLate >= 3);
}

void tst_pictures_spatial::puzzlesAreTheSameEveryTime()
{
    for (int series : { Series::Own, Series::Count }) {
        for (int question : { 1, 17, 60 }) {
            const Puzzle again = SpatialPuzzles::puzzle(question, series);
            QCOMPARE(drawSpatialPuzzle(again), drawSpatialPuzzle(puzzleOf(series, question)));
        }
    }
}

void tst_pictures_spatial::generatorWritesEveryPicture()
{
    QVERIFY2(folders.errors.isEmpty(), qPrintable(folders.errors.join(QLatin1Char('\n'))));

    const QSize size(SpatialPuzzles::PictureWidth, SpatialPuzzles::PictureHeight);
    QCOMPARE(QImageReader(folders.asset(QStringLiteral("spatial1.jpg"))).size(), size);
    for (int series = Series::Own; series <= Series::Count; ++series) {
        QVERIFY(!QFile::exists(folders.picture(series, QStringLiteral("image1.gif"))));
        QVERIFY(!QFile::exists(folders.picture(series, QStringLiteral("spatial1.jpg"))));
        for (int question = 2; question <= SpatialBank::QuestionCount; ++question) {
            QImageReader reader(folders.picture(series, SpatialBank::Bank.pictureFile(question)));
            QCOMPARE(reader.format(), QByteArray("gif"));
            const QImage picture = reader.read();
            QCOMPARE(picture.size(), size);
            // The GIF is the drawing, colour for colour on the palette.
            QCOMPARE(picture.convertToFormat(QImage::Format_RGB32),
                drawSpatialPuzzle(puzzleOf(series, question))
                    .convertToFormat(
                        QImage::Format_Indexed8, spatialPalette(), Qt::ThresholdDither | Qt::AvoidDither)
                    .convertToFormat(QImage::Format_RGB32));
        }
    }
    // The example is compiled into the program for the instruction screen and the first question.
    QCOMPARE(QImage(QStringLiteral(":/assets/spatial1.jpg")).size(), size);
}

// A figure seen in one series, even turned or mirrored, is never the right answer in another: a
// candidate would recognise it.
void tst_pictures_spatial::seriesNeverRepeatAFigure()
{
    for (int question = 2; question <= SpatialBank::QuestionCount; ++question) {
        for (int series = Series::Own; series <= Series::Count; ++series) {
            const Figure &right = puzzleOf(series, question).rightFigure();
            for (int other = Series::Own; other < series; ++other) {
                const Figure &seen = puzzleOf(other, question).rightFigure();
                QVERIFY2(!lookAlike(right, seen) && !lookAlike(mirrored(right), seen),
                    qPrintable(
                        QStringLiteral("question %1: séries %2 et %3").arg(question).arg(other).arg(series)));
            }
        }
    }
}

void tst_pictures_spatial::exampleFrameKeepsItsBlue_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<int>("scale");
    QTest::newRow("spatial1.jpg") << ":/assets/spatial1.jpg" << 1;
    QTest::newRow("spatial1@2x.jpg") << ":/assets/spatial1@2x.jpg" << 2;
}

// Read from the compressed pixels: from the middle of the framed cell outwards, the first blue
// stroke met on each side must still be the frame's own blue, not a dull blend.
void tst_pictures_spatial::exampleFrameKeepsItsBlue()
{
    QFETCH(QString, resource);
    QFETCH(int, scale);

    const QImage picture = QImage(resource).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(picture.size(), QSize(SpatialPuzzles::PictureWidth, SpatialPuzzles::PictureHeight) * scale);
    auto isBlue = [](QRgb colour) { return qBlue(colour) - std::max(qRed(colour), qGreen(colour)) > 80; };
    const QPoint centre = (SpatialPuzzles::cellRect(0).center() * scale).toPoint();
    for (const QPoint step : { QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1) }) {
        QPoint at = centre;
        while (picture.valid(at) && !isBlue(picture.pixel(at)))
            at += step;
        QVERIFY2(picture.valid(at), "no frame met");
        int stroke = 0;
        while (picture.valid(at + step * stroke) && isBlue(picture.pixel(at + step * stroke)))
            ++stroke;
        const QColor middle = picture.pixelColor(at + step * (stroke / 2));
        QVERIFY2(middle.red() <= 12 && middle.green() <= 12 && std::abs(middle.blue() - 200) <= 12,
            qPrintable(QStringLiteral("frame blue reads %1, %2, %3")
                           .arg(middle.red())
                           .arg(middle.green())
                           .arg(middle.blue())));
    }
}

QTEST_MAIN(tst_pictures_spatial)
#include "tst_pictures_spatial.moc"
