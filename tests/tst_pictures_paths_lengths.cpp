// The path and length pictures of every series, recomputed from the corners the generator kept and
// from the pixels of the files it wrote, checked against the tables that score them; and the
// decoration pictures.
#include "decoration.h"
#include "lengths.h"
#include "lengths/lengthsbank.h"
#include "paths.h"
#include "paths/pathsbank.h"
#include "pictureoutput.h"
#include "screenchain.h"
#include "series.h"
#include "seriesfolders.h"

#include <QDataStream>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>
#include <utility>

namespace {

constexpr int PathSize = PathPictures::Size;

struct TurnTally {
    int right = 0;
    int left = 0;
};

// Screen coordinates: y grows downward, so a positive cross product of two successive stretches
// is a clockwise turn, which the walker feels as a turn to the right.
TurnTally tallyTurns(const QVector<QPoint> &corners)
{
    TurnTally tally;
    for (int i = 1; i + 1 < corners.size(); ++i) {
        const QPoint in = corners[i] - corners[i - 1];
        const QPoint out = corners[i + 1] - corners[i];
        const int cross = in.x() * out.y() - in.y() * out.x();
        if (cross > 0)
            ++tally.right;
        else if (cross < 0)
            ++tally.left;
    }
    return tally;
}

double length(QPoint v)
{
    return std::hypot(double(v.x()), double(v.y()));
}

// The nearest approach of two stretches, from points one pixel apart along both.
double sampledGap(QPoint a1, QPoint a2, QPoint b1, QPoint b2)
{
    const int aSteps = qMax(1, qRound(length(a2 - a1)));
    const int bSteps = qMax(1, qRound(length(b2 - b1)));
    double nearest = 1e9;
    for (int i = 0; i <= aSteps; ++i) {
        const QPointF a = QPointF(a1) + QPointF(a2 - a1) * (double(i) / aSteps);
        for (int j = 0; j <= bSteps; ++j) {
            const QPointF b = QPointF(b1) + QPointF(b2 - b1) * (double(j) / bSteps);
            nearest = std::min(nearest, std::hypot(a.x() - b.x(), a.y() - b.y()));
        }
    }
    return nearest;
}

double distanceToStretch(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double t = std::clamp(QPointF::dotProduct(p - a, ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0);
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

bool isDark(const QImage &picture, QPointF at)
{
    const QPoint pixel(qFloor(at.x()), qMin(qFloor(at.y()), picture.height() - 1));
    return picture.rect().contains(pixel) && qGray(picture.pixel(pixel)) < 128;
}

// Black ink, as opposed to the paper and the coloured outline of the rectangle.
bool isInk(QRgb pixel)
{
    return qMax(qRed(pixel), qMax(qGreen(pixel), qBlue(pixel))) < 90;
}

// A vertical line found in the pixels: neighbouring columns of ink, and the rows they cover.
struct MeasuredLine {
    int left = 0;
    int width = 0;
    int top = 0;
    int bottom = 0;
    bool solid = true;
    int length() const { return bottom - top + 1; }
};

QVector<MeasuredLine> measureLines(const QImage &picture)
{
    QVector<MeasuredLine> lines;
    int previousColumn = -2;
    for (int x = 0; x < picture.width(); ++x) {
        int top = -1;
        int bottom = -1;
        int count = 0;
        for (int y = 0; y < picture.height(); ++y) {
            if (!isInk(picture.pixel(x, y)))
                continue;
            if (top < 0)
                top = y;
            bottom = y;
            ++count;
        }
        if (count == 0)
            continue;
        const bool solid = count == bottom - top + 1;
        if (previousColumn == x - 1) {
            MeasuredLine &line = lines.last();
            ++line.width;
            line.top = qMin(line.top, top);
            line.bottom = qMax(line.bottom, bottom);
            line.solid = line.solid && solid;
        } else {
            lines.append({ x, 1, top, bottom, solid });
        }
        previousColumn = x;
    }
    return lines;
}

QImage decoded(const QString &path)
{
    QImage picture(path);
    return picture.convertToFormat(QImage::Format_RGB32);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class PathAndLengthPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void pathTurnsMatchTheTable_data();
    void pathTurnsMatchTheTable();
    void pathStaysClearOfItself_data() { pathTurnsMatchTheTable_data(); }
    void pathStaysClearOfItself();
    void pathPictureShowsTheStoredPath_data();
    void pathPictureShowsTheStoredPath();
    void workedExamplePathStartsUnderTheDepartArrow();

    void lengthRatioMeasuredFromTheGifMatchesTheKey_data();
    void lengthRatioMeasuredFromTheGifMatchesTheKey();
    void lengthPicturesVary_data();
    void lengthPicturesVary();
    void workedExampleLinesStandOnTheBottomOneFifthApart();

    void decorationPicturesHaveTheirSizes();
    void windowsIconHoldsTheIconAtEachSize();
    void generatingTwiceGivesIdenticalFiles();
    void noTwoSeriesShareAPicture();

private:
    static void generateInto(SeriesFolders &folders);
    // The first of two neighbouring questions whose pictures the broken series swaps.
    static constexpr int BrokenPath = 5;
    static constexpr int BrokenLength = 5;
    QString picture(const QString &name) const { return generated->picture(Series::Own, name); }
    QString asset(const QString &name) const { return generated->asset(name); }
    const QVector<QPoint> &cornersOf(int series, int question) const
    {
        return paths[series - Series::Own][question - 1].corners;
    }

    std::unique_ptr<SeriesFolders> generated;
    // By series, then by question.
    QVector<QVector<PathPictures::Path>> paths;
};

void PathAndLengthPicturesTest::generateInto(SeriesFolders &folders)
{
    QVERIFY2(folders.write([](PictureOutput &output) {
        PathPictures::writeAll(output);
        LengthPictures::writeAll(output);
        if (output.series() == Series::Own)
            Decoration::writeAll(output);
    }),
        qPrintable(folders.errors.join(QLatin1Char('\n'))));
}

void PathAndLengthPicturesTest::initTestCase()
{
    generated = std::make_unique<SeriesFolders>();
    generateInto(*generated);
    // Two questions of other keys and directions: their pictures swapped must be caught.
    QVERIFY(generated->breakCopy(
        PathsBank::Bank.pictureFile(BrokenPath), PathsBank::Bank.pictureFile(BrokenPath + 1)));
    QVERIFY(generated->breakCopy(
        LengthsBank::Bank.pictureFile(BrokenLength), LengthsBank::Bank.pictureFile(BrokenLength + 1)));
    for (int series = Series::Own; series <= Series::Count; ++series) {
        paths.append(QVector<PathPictures::Path>());
        for (int question = 1; question <= PathsBank::QuestionCount; ++question)
            paths.last().append(PathPictures::layout(question, series));
    }
}

void PathAndLengthPicturesTest::pathTurnsMatchTheTable_data()
{
    addSeriesRows(*generated, PathsBank::QuestionCount);
}

void PathAndLengthPicturesTest::pathTurnsMatchTheTable()
{
    QFETCH(int, series);
    QFETCH(int, question);
    const QVector<QPoint> &corners = cornersOf(series, question);
    QVERIFY(corners.size() >= 3);
    const TurnTally tally = tallyTurns(corners);
    QCOMPARE(tally.right + tally.left, corners.size() - 2); // every corner is a turn
    const bool right = PathsBank::Directions[size_t(question - 1)] == 'R';
    const int asked = right ? tally.right : tally.left;
    const int other = right ? tally.left : tally.right;
    QCOMPARE(asked, PathsBank::Counts[size_t(question - 1)]);
    // Turns the other way are there to be told apart, and counting them gives a wrong answer.
    QVERIFY(other >= 1);
    QVERIFY(other != asked);
}

void PathAndLengthPicturesTest::pathStaysClearOfItself()
{
    QFETCH(int, series);
    QFETCH(int, question);
    const QVector<QPoint> &corners = cornersOf(series, question);
    QVERIFY(corners.size() >= 3);
    const int clearance = 4 * PathPictures::LineWidth;

    // The open start lies on the lower edge, heading up; nothing else comes near that edge.
    QCOMPARE(corners[0].y(), PathSize);
    QCOMPARE(corners[1].x(), corners[0].x());
    QVERIFY(corners[1].y() < corners[0].y());
    for (int i = 1; i < corners.size(); ++i) {
        const QPoint c = corners[i];
        QVERIFY2(c.x() >= 10 && c.y() >= 10 && c.x() <= PathSize - 10 && c.y() <= PathSize - clearance,
            qPrintable(QStringLiteral("corner %1 at (%2, %3)").arg(i).arg(c.x()).arg(c.y())));
    }

    for (int i = 0; i + 1 < corners.size(); ++i) {
        const QPoint stretch = corners[i + 1] - corners[i];
        QVERIFY2(length(stretch) >= clearance, qPrintable(QStringLiteral("stretch %1 too short").arg(i)));
        if (i > 0) {
            // Clearly a corner: neither a straight run on nor a doubling back.
            const QPoint before = corners[i] - corners[i - 1];
            const double cosine = QPoint::dotProduct(before, stretch) / (length(before) * length(stretch));
            QVERIFY2(
                std::abs(cosine) <= 0.5, qPrintable(QStringLiteral("corner %1 is not a clear turn").arg(i)));
        }
        for (int j = 0; j + 1 < i; ++j) {
            const double gap = sampledGap(corners[i], corners[i + 1], corners[j], corners[j + 1]);
            QVERIFY2(gap >= clearance,
                qPrintable(QStringLiteral("stretches %1 and %2 come within %3 px").arg(j).arg(i).arg(gap)));
        }
    }
}

void PathAndLengthPicturesTest::pathPictureShowsTheStoredPath_data()
{
    addSeriesRows(*generated, PathsBank::QuestionCount);
    addBrokenRow(*generated, BrokenPath, PathsBank::Bank.pictureFile(BrokenPath + 1));
}

void PathAndLengthPicturesTest::pathPictureShowsTheStoredPath()
{
    QFETCH(int, series);
    QFETCH(int, question);
    QFETCH(QString, folder);
    QFETCH(bool, broken);
    const QString file = question == 1 ? asset(QStringLiteral("chemin1.jpg"))
                                       : QDir(folder).filePath(PathsBank::Bank.pictureFile(question));
    const QImage image = decoded(file);
    QCOMPARE(image.size(), QSize(PathSize, PathSize));
    const QVector<QPoint> &corners = cornersOf(series, question);
    if (broken)
        QEXPECT_FAIL("", "another question's path drawn in its place", Abort);
    const QPointF centre(0.5, 0.5);

    // Ink all along the stored stretches, and nowhere away from them.
    for (int i = 0; i + 1 < corners.size(); ++i) {
        const QPointF from = QPointF(corners[i]) + centre;
        const QPointF to = QPointF(corners[i + 1]) + centre;
        const int steps = qRound(length(corners[i + 1] - corners[i]));
        // The arrow head narrows to a point: its last pixels are only partly covered.
        const int lastStep = i + 2 == corners.size() ? steps - 3 : steps;
        for (int s = 0; s <= lastStep; ++s) {
            const QPointF at = from + (to - from) * (double(s) / steps);
            QVERIFY2(
                isDark(image, at), qPrintable(QStringLiteral("no ink at (%1, %2)").arg(at.x()).arg(at.y())));
        }
    }
    for (int y = 0; y < PathSize; ++y) {
        for (int x = 0; x < PathSize; ++x) {
            if (!isDark(image, QPointF(x, y)))
                continue;
            double nearest = 1e9;
            for (int i = 0; i + 1 < corners.size(); ++i)
                nearest = std::min(nearest,
                    distanceToStretch(QPointF(x, y) + centre, QPointF(corners[i]) + centre,
                        QPointF(corners[i + 1]) + centre));
            QVERIFY2(nearest <= PathPictures::ArrowHalfWidth + 1,
                qPrintable(QStringLiteral("stray ink at (%1, %2)").arg(x).arg(y)));
        }
    }

    // The arrow head, wider than the line, sits at the end and only there.
    const QPointF tip = QPointF(corners.last()) + centre;
    const QPointF back = QPointF(corners[corners.size() - 2]) + centre - tip;
    const QPointF along = back / std::hypot(back.x(), back.y());
    const QPointF across(-along.y(), along.x());
    const double wide = PathPictures::LineWidth;
    const QPointF nearBase = tip + along * (PathPictures::ArrowLength - 2.0);
    QVERIFY(isDark(image, nearBase + across * wide));
    QVERIFY(isDark(image, nearBase - across * wide));
    const QPointF behindHead = tip + along * (PathPictures::ArrowLength + 8.0);
    QVERIFY(!isDark(image, behindHead + across * wide));
    QVERIFY(!isDark(image, behindHead - across * wide));
    const QPointF start(corners[0].x() + 0.5, PathSize - 3.5);
    QVERIFY(!isDark(image, start + QPointF(wide, 0)));
    QVERIFY(!isDark(image, start - QPointF(wide, 0)));
}

void PathAndLengthPicturesTest::workedExamplePathStartsUnderTheDepartArrow()
{
    // The "Départ" arrow beside the example points at x = 30 on the lower edge of the picture, in
    // every series.
    for (int series = Series::Own + 1; series <= Series::Count; ++series)
        QCOMPARE(cornersOf(series, 1), cornersOf(Series::Own, 1));
    const QVector<QPoint> &corners = cornersOf(Series::Own, 1);
    QVERIFY(!corners.isEmpty());
    QVERIFY(corners[0].x() >= 24 && corners[0].x() <= 36);
    const TurnTally tally = tallyTurns(corners);
    QCOMPARE(tally.right, 4);
    QCOMPARE(tally.left, 2);
    QVERIFY(corners.last().x() < PathSize / 2 && corners.last().y() < PathSize / 2);

    const QImage image = decoded(asset(QStringLiteral("chemin1.jpg")));
    int first = -1;
    int last = -1;
    for (int x = 0; x < PathSize; ++x) {
        if (isDark(image, QPointF(x, PathSize - 1))) {
            first = first < 0 ? x : first;
            last = x;
        }
    }
    QVERIFY(first >= 0);
    QVERIFY2(last - first < 2 * PathPictures::LineWidth, "more than the open start reaches the lower edge");
    QVERIFY((first + last) / 2 >= 24 && (first + last) / 2 <= 36);
}

void PathAndLengthPicturesTest::lengthRatioMeasuredFromTheGifMatchesTheKey_data()
{
    addSeriesRows(*generated, LengthsBank::QuestionCount, 2);
    addBrokenRow(*generated, BrokenLength, LengthsBank::Bank.pictureFile(BrokenLength + 1));
}

void PathAndLengthPicturesTest::lengthRatioMeasuredFromTheGifMatchesTheKey()
{
    QFETCH(int, series);
    QFETCH(int, question);
    QFETCH(QString, folder);
    QFETCH(bool, broken);
    const QImage image = decoded(QDir(folder).filePath(LengthsBank::Bank.pictureFile(question)));
    QCOMPARE(image.size(), QSize(LengthPictures::Width, LengthPictures::Height));
    const QVector<MeasuredLine> lines = measureLines(image);
    QCOMPARE(lines.size(), 2);
    for (const MeasuredLine &line : lines) {
        QVERIFY(line.solid);
        QCOMPARE(line.width, LengthPictures::LineWidth);
        QVERIFY(
            line.left >= LengthPictures::InsideLeft && line.left + line.width <= LengthPictures::InsideRight);
        QVERIFY(line.top >= LengthPictures::InsideTop && line.bottom < LengthPictures::InsideBottom);
    }
    const int shorter = qMin(lines[0].length(), lines[1].length());
    const int longer = qMax(lines[0].length(), lines[1].length());
    QVERIFY(shorter < longer);
    const double tenths = 10.0 * shorter / longer;
    const int key = LengthsBank::AnswerKey[size_t(question - 1)];
    if (broken)
        QEXPECT_FAIL("", "another question's lines drawn in its place", Abort);
    QVERIFY2(std::abs(tenths - key) <= 0.25,
        qPrintable(QStringLiteral("%1 tenths for key %2").arg(tenths).arg(key)));

    // The geometry the generator kept is what it drew.
    const LengthPictures::Lines kept = LengthPictures::layout(question, series);
    for (const auto &[measured, line] :
        { std::pair { lines[0], kept.first }, std::pair { lines[1], kept.second } }) {
        QCOMPARE(measured.left, line.left);
        QCOMPARE(measured.top, line.top);
        QCOMPARE(measured.length(), line.length);
    }
}

void PathAndLengthPicturesTest::lengthPicturesVary_data()
{
    QTest::addColumn<int>("series");
    for (int series = Series::Own; series <= Series::Count; ++series)
        QTest::addRow("série %d", series) << series;
}

void PathAndLengthPicturesTest::lengthPicturesVary()
{
    QFETCH(int, series);
    QSet<int> longerLengths;
    QSet<int> bottoms;
    int leftLonger = 0;
    for (int question = 2; question <= LengthsBank::QuestionCount; ++question) {
        const LengthPictures::Lines lines = LengthPictures::layout(question, series);
        longerLengths.insert(qMax(lines.first.length, lines.second.length));
        bottoms.insert(lines.first.top + lines.first.length);
        leftLonger += lines.first.length > lines.second.length ? 1 : 0;
    }
    // Estimating, not recognising: the longer line, the base line and the side of the longer line change.
    QVERIFY(longerLengths.size() >= 10);
    QVERIFY(bottoms.size() >= 5);
    QVERIFY(leftLonger >= 5 && leftLonger <= LengthsBank::QuestionCount - 1 - 5);
}

void PathAndLengthPicturesTest::workedExampleLinesStandOnTheBottomOneFifthApart()
{
    QCOMPARE(LengthsBank::AnswerKey[0], 2);
    const QImage image = decoded(asset(QStringLiteral("barre1.jpg")));
    QCOMPARE(image.size(), QSize(LengthPictures::Width, LengthPictures::Height));
    const QVector<MeasuredLine> lines = measureLines(image);
    QCOMPARE(lines.size(), 2);
    for (const MeasuredLine &line : lines)
        QVERIFY(std::abs(line.bottom - (LengthPictures::InsideBottom - 1)) <= 1);
    const int shorter = qMin(lines[0].length(), lines[1].length());
    const int longer = qMax(lines[0].length(), lines[1].length());
    // JPEG blurs the ends by a pixel at most.
    QVERIFY2(std::abs(5 * shorter - longer) <= 6,
        qPrintable(QStringLiteral("%1 and %2").arg(shorter).arg(longer)));
}

void PathAndLengthPicturesTest::decorationPicturesHaveTheirSizes()
{
    const QImage logo = decoded(picture(QStringLiteral("Logo.gif")));
    QCOMPARE(logo.size(), QSize(Decoration::LogoWidth, Decoration::LogoHeight));
    const QImage title = decoded(picture(QStringLiteral("Image.jpg")));
    QVERIFY(!title.isNull());
    // It sits 32 pixels in and 64 down in a 273 x 305 frame that cuts off what reaches beyond.
    QVERIFY(title.width() >= 160 && title.width() <= 232);
    QVERIFY(title.height() >= 160 && title.height() <= 232);
    for (const QImage &image : { logo, title }) {
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3) {
            for (int x = 0; x < image.width(); x += 3)
                colours.insert(image.pixel(x, y));
        }
        QVERIFY(colours.size() >= 3);
    }
}

// Read as Windows reads an .ico: its directory, then the picture each entry points at.
void PathAndLengthPicturesTest::windowsIconHoldsTheIconAtEachSize()
{
    const QByteArray ico = contents(asset(QStringLiteral("icon.ico")));
    QDataStream in(ico);
    in.setByteOrder(QDataStream::LittleEndian);
    quint16 reserved, type, count;
    in >> reserved >> type >> count;
    QCOMPARE(type, quint16(1));
    QCOMPARE(int(count), int(std::size(Decoration::IconSizes)));
    for (int size : Decoration::IconSizes) {
        quint8 width, height, colours, zero;
        quint16 planes, bits;
        quint32 length, offset;
        in >> width >> height >> colours >> zero >> planes >> bits >> length >> offset;
        QCOMPARE(width, quint8(size % 256));
        QCOMPARE(height, width);
        QCOMPARE(bits, quint16(32));
        QVERIFY(offset + length <= quint32(ico.size()));
        const QImage stored = QImage::fromData(ico.mid(offset, length), "png");
        QCOMPARE(stored.convertToFormat(QImage::Format_ARGB32),
            Decoration::drawIcon(size).convertToFormat(QImage::Format_ARGB32));
    }
}

void PathAndLengthPicturesTest::generatingTwiceGivesIdenticalFiles()
{
    SeriesFolders again;
    generateInto(again);
    int compared = 0;
    for (const QString &folder : { again.assetFolder(), again.seriesFolder(Series::Own) }) {
        QDirIterator files(folder, QDir::Files);
        while (files.hasNext()) {
            const QString path = files.next();
            const QString name = QFileInfo(path).fileName();
            const QString first = folder == again.assetFolder() ? asset(name) : picture(name);
            QVERIFY2(contents(path) == contents(first), qPrintable(name));
            ++compared;
        }
    }
    // 29 path and 29 length files, the two worked examples, the logo and the title picture, each
    // also at double size, and the icon at each size, scalable and for Windows.
    QCOMPARE(compared, int(2 * (2 * 29 + 2 + 2) + std::size(Decoration::IconSizes) + 2));
    for (int series = Series::Own + 1; series <= Series::Count; ++series) {
        const QStringList names = QDir(again.seriesFolder(series)).entryList(QDir::Files);
        // The question pictures alone, each also at double size.
        QCOMPARE(names.size(), 2 * 2 * 29);
        for (const QString &name : names)
            QVERIFY2(contents(again.picture(series, name)) == contents(generated->picture(series, name)),
                qPrintable(QStringLiteral("série %1, %2").arg(series).arg(name)));
    }
}

// Read from the build's own folders, every kind together: a series that repeated a picture of
// another would be a memory test again.
void PathAndLengthPicturesTest::noTwoSeriesShareAPicture()
{
    const auto folderOf = [](int series) {
        return series == Series::Own ? QStringLiteral(PILOTES_PICTURES_DIR)
                                     : QStringLiteral(PILOTES_SERIES_DIR "/%1").arg(series);
    };
    const QStringList names = QDir(folderOf(Series::Own + 1)).entryList(QDir::Files, QDir::Name);
    // Every question picture read by name, each also at double size.
    QCOMPARE(names.size(), 2 * questionPictureNames().size());
    for (const QString &name : names) {
        QVector<QImage> drawn;
        for (int series = Series::Own; series <= Series::Count; ++series) {
            drawn.append(decoded(QDir(folderOf(series)).filePath(name)));
            QVERIFY2(
                !drawn.last().isNull(), qPrintable(QStringLiteral("série %1, %2").arg(series).arg(name)));
            for (int other = Series::Own; other < series; ++other)
                QVERIFY2(drawn[other - Series::Own] != drawn.last(),
                    qPrintable(QStringLiteral("%1: séries %2 et %3").arg(name).arg(other).arg(series)));
        }
    }
}

QTEST_MAIN(PathAndLengthPicturesTest)
#include "tst_pictures_paths_lengths.moc"
