#include "paths.h"

#include "gifwriter.h"
#include "paths/pathsbank.h"
#include "pictureoutput.h"
#include "seededrange.h"
#include "series.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace PathPictures {

namespace {

// Every corner and the arrow head keep this far from the edges, and further still from the
// lower one, so the open start is the only part of the path that comes near it.
constexpr int Margin = 14;
constexpr int BottomMargin = 26;
// Short stretches would let two corners read as one.
constexpr int MinStretch = 26;
constexpr int MinLastStretch = 36;
constexpr int MaxStretch = 130;
constexpr int StretchStep = 4;
// Between the centre lines of stretches that do not share a corner: a clear white gap of
// several line widths, so the path never seems to touch itself.
constexpr double MinGap = 22.0;
constexpr double MinArrowGap = MinGap + ArrowHalfWidth - LineWidth / 2.0;
// A layout that runs out of room is abandoned after this many tries, for a new turn order.
constexpr int SearchBudget = 4000;
constexpr int Attempts = 300;
// Among the layouts found, the roomiest is kept.
constexpr int Candidates = 16;
constexpr double GapWorthScoring = 40.0;

constexpr int Right = 1;
constexpr int Left = -1;

QPoint turned(QPoint heading, int turn)
{
    // Screen coordinates: turning right takes north (0, -1) to east (1, 0).
    return turn == Right ? QPoint(-heading.y(), heading.x()) : QPoint(heading.y(), -heading.x());
}

double cross(QPointF a, QPointF b)
{
    return a.x() * b.y() - a.y() * b.x();
}

double pointToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double lengthSquared = QPointF::dotProduct(ab, ab);
    const double t
        = lengthSquared > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / lengthSquared, 0.0, 1.0) : 0.0;
    const QPointF nearest = a + t * ab;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

double segmentGap(QPointF a1, QPointF a2, QPointF b1, QPointF b2)
{
    const double o1 = cross(a2 - a1, b1 - a1);
    const double o2 = cross(a2 - a1, b2 - a1);
    const double o3 = cross(b2 - b1, a1 - b1);
    const double o4 = cross(b2 - b1, a2 - b1);
    if (o1 * o2 < 0 && o3 * o4 < 0)
        return 0.0;
    return std::min({ pointToSegment(a1, b1, b2), pointToSegment(a2, b1, b2), pointToSegment(b1, a1, a2),
        pointToSegment(b2, a1, a2) });
}

// The narrowest gap between two stretches that do not share a corner.
double narrowestGap(const QVector<QPoint> &corners)
{
    double narrowest = GapWorthScoring;
    for (int i = 2; i + 1 < corners.size(); ++i) {
        for (int j = 0; j + 1 < i; ++j)
            narrowest
                = std::min(narrowest, segmentGap(corners[i], corners[i + 1], corners[j], corners[j + 1]));
    }
    return narrowest;
}

// The turns of a question, +1 right and -1 left: the count its key asks for in the asked
// direction, and a different count in the other one.
std::vector<int> turnsOf(int question, std::mt19937 &random)
{
    const int asked = PathsBank::Directions[size_t(question - 1)] == 'R' ? Right : Left;
    const int key = PathsBank::Counts[size_t(question - 1)];
    int others = 2; // The worked example: four to the right, two to the left.
    if (question > 1) {
        std::vector<int> choices;
        for (int count = 1; count <= 5 && key + count <= 10; ++count) {
            if (count != key)
                choices.push_back(count);
        }
        others = choices[size_t(seededInt(random, 0, int(choices.size()) - 1))];
    }
    std::vector<int> turns(size_t(key), asked);
    turns.insert(turns.end(), size_t(others), -asked);
    return turns;
}

bool inside(QPoint corner)
{
    return corner.x() >= Margin && corner.x() <= Size - Margin && corner.y() >= Margin
        && corner.y() <= Size - BottomMargin;
}

// Lays the stretches one after the other, trying their lengths in a random order and going back
// when a stretch finds no room.
class Search {
public:
    using EndTest = bool (*)(QPoint tip);

    Search(const std::vector<int> &turns, std::mt19937 &random, EndTest acceptsEnd)
        : random(random)
        , acceptsEnd(acceptsEnd)
    {
        headings.push_back(QPoint(0, -1));
        for (int turn : turns)
            headings.push_back(turned(headings.back(), turn));
    }

    bool run(QPoint start)
    {
        corners = { start };
        budget = SearchBudget;
        return extend(0);
    }

    QVector<QPoint> corners;

private:
    bool extend(int stretch)
    {
        if (stretch == int(headings.size()))
            return acceptsEnd(corners.back());
        const bool last = stretch + 1 == int(headings.size());
        std::vector<int> lengths;
        for (int length = last ? MinLastStretch : MinStretch; length <= MaxStretch; length += StretchStep)
            lengths.push_back(length);
        seededShuffle(random, lengths);

        const QPoint from = corners.back();
        for (int length : lengths) {
            if (--budget < 0)
                return false;
            const QPoint to = from + headings[size_t(stretch)] * length;
            if (!inside(to) || !clearOfEarlierStretches(from, to, last ? MinArrowGap : MinGap))
                continue;
            corners.append(to);
            if (extend(stretch + 1))
                return true;
            corners.removeLast();
        }
        return false;
    }

    bool clearOfEarlierStretches(QPoint from, QPoint to, double gap) const
    {
        // The stretch just before shares the corner "from"; the ones before that must keep away.
        for (int j = 0; j + 2 < corners.size(); ++j) {
            if (segmentGap(from, to, corners[j], corners[j + 1]) < gap)
                return false;
        }
        return true;
    }

    std::mt19937 &random;
    EndTest acceptsEnd;
    std::vector<QPoint> headings;
    int budget = 0;
};

bool anywhere(QPoint)
{
    return true;
}
// The worked example ends at the top left.
bool topLeft(QPoint tip)
{
    return tip.x() < Size / 2 && tip.y() < Size / 2;
}

double roominess(const QVector<QPoint> &corners)
{
    QRect bounds(corners.first(), QSize(1, 1));
    for (QPoint corner : corners)
        bounds |= QRect(corner, QSize(1, 1));
    return narrowestGap(corners) * 100000.0 + double(bounds.width()) * bounds.height();
}

} // namespace

Path layout(int question, int series)
{
    const int drawnFrom = question == 1 ? Series::Own : series;
    std::mt19937 random(static_cast<std::uint32_t>(Series::seed(7100 + question, drawnFrom)));
    std::vector<int> turns = turnsOf(question, random);
    Path best;
    double bestRoominess = -1.0;
    int found = 0;
    for (int attempt = 0; attempt < Attempts && found < Candidates; ++attempt) {
        seededShuffle(random, turns);
        // The "Départ" arrow beside the worked example points at x = 30 on its lower edge.
        const int startX = question == 1 ? 30 : Margin + 6 + StretchStep * seededInt(random, 0, 40);
        Search search(turns, random, question == 1 ? topLeft : anywhere);
        if (!search.run(QPoint(startX, Size)))
            continue;
        ++found;
        const double score = roominess(search.corners);
        if (score > bestRoominess) {
            bestRoominess = score;
            best.corners = search.corners;
        }
    }
    return best;
}

QImage draw(const Path &path, int scale)
{
    QImage picture(Size * scale, Size * scale, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.scale(scale, scale);
    paint(painter, path);
    return picture;
}

void paint(QPainter &painter, const Path &path)
{
    painter.save();
    painter.fillRect(QRect(0, 0, Size, Size), Qt::white);
    if (path.corners.size() < 2) {
        painter.restore();
        return;
    }

    // Centred on pixel centres, the odd-width strokes fall on whole pixels.
    const QPointF centre(0.5, 0.5);
    const QPointF tip = QPointF(path.corners.last()) + centre;
    const QPointF beforeTip = QPointF(path.corners[path.corners.size() - 2]) + centre;
    const QPointF direction
        = (tip - beforeTip) / std::hypot(tip.x() - beforeTip.x(), tip.y() - beforeTip.y());
    const QPointF arrowBase = tip - direction * ArrowLength;
    const QPointF across(-direction.y(), direction.x());

    QPainterPath line(QPointF(path.corners.first()) + centre);
    for (int i = 1; i + 1 < path.corners.size(); ++i)
        line.lineTo(QPointF(path.corners[i]) + centre);
    line.lineTo(arrowBase + direction); // under the arrow head, so no seam shows

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, LineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(line);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygonF(
        { tip, arrowBase + across * double(ArrowHalfWidth), arrowBase - across * double(ArrowHalfWidth) }));
    painter.restore();
}

void writeAll(PictureOutput &output)
{
    auto drawingOf = [series = output.series()](int question) {
        const Path path = layout(question, series);
        // The layouts are fixed by their seeds: a failure here is a change that left no room.
        if (path.corners.isEmpty())
            qFatal(
                "picture-generator: no room found for the path of question %d, series %d", question, series);
        return [path](int scale) { return draw(path, scale); };
    };
    const QVector<QRgb> palette = shadedPalette({ qRgb(255, 255, 255), qRgb(0, 0, 0) }, 6);
    output.questions(PathsBank::Bank, drawingOf, palette);
}

} // namespace PathPictures

namespace {

[[maybe_unused]] const bool Registered
    = TestRegistry<TestPictures>::add({ .test = PathsBank::Test, .write = PathPictures::writeAll });

} // namespace
