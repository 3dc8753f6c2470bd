#include "spatialreading.h"

#include "spatial/spatialbank.h"
#include "spatialpuzzles.h"

#include <QSet>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>
#include <tuple>

namespace SpatialReading {

namespace {

bool isPieceFill(QRgb colour)
{
    return std::abs(qRed(colour) - 220) <= 16 && std::abs(qGreen(colour) - 220) <= 16
        && std::abs(qBlue(colour) - 220) <= 16;
}

const std::array<QPoint, 4> Neighbours { QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1) };

} // namespace

// The regions of piece fill in a cell. A pixel counts only where its four neighbours are fill too, so
// the grey rim antialiasing leaves along a line or a letter never makes a region of its own.
QVector<Region> fillRegions(const QImage &picture, const QRect &cell)
{
    auto solid = [&](QPoint at) {
        return cell.contains(at) && isPieceFill(picture.pixel(at))
            && std::all_of(Neighbours.begin(), Neighbours.end(), [&](QPoint step) {
                   return picture.valid(at + step) && isPieceFill(picture.pixel(at + step));
               });
    };
    QSet<QPoint> seen;
    QVector<Region> regions;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            if (seen.contains(QPoint(x, y)) || !solid(QPoint(x, y)))
                continue;
            QVector<QPoint> found { QPoint(x, y) };
            seen.insert(found.first());
            for (int next = 0; next < found.size(); ++next) {
                for (QPoint step : Neighbours) {
                    const QPoint at = found[next] + step;
                    if (!seen.contains(at) && solid(at)) {
                        seen.insert(at);
                        found.append(at);
                    }
                }
            }
            // A sharp tip the lines cut off its piece leaves a few pixels: no piece is that small.
            if (found.size() >= 20)
                regions.append(Region(found));
        }
    }
    return regions;
}

namespace {

// Where every `stride`th pixel of a region lands when it is turned about its centre and put down at `at`.
QVector<QPoint> placed(const Region &region, double degrees, QPointF at, int stride = 1)
{
    QTransform motion;
    motion.translate(at.x(), at.y());
    motion.rotate(degrees);
    QVector<QPoint> landed;
    for (int i = 0; i < region.pixels.size(); i += stride)
        landed.append(motion.map(QPointF(region.pixels[i]) - region.centre).toPoint());
    return landed;
}

// How far the pixels of one region lie, at most, from those of the other.
double farthestStray(const Region &from, const Region &to)
{
    double farthest = 0;
    for (QPoint pixel : from.pixels) {
        double nearest = to.contains(pixel) ? 0 : std::numeric_limits<double>::infinity();
        // Pixels of the ring at r lie at least r away: look on while a nearer one may be found.
        for (int r = 1; r <= 40 && r < nearest; ++r) {
            for (int dx = -r; dx <= r; ++dx) {
                for (int dy = -r; dy <= r; dy += (std::abs(dx) == r ? 1 : 2 * r)) {
                    if (to.contains(pixel + QPoint(dx, dy)))
                        nearest = std::min(nearest, std::hypot(dx, dy));
                }
            }
        }
        farthest = std::max(farthest, nearest);
    }
    return farthest;
}

// How many pixels apart two regions lie at most, once the first is turned (never mirrored) and moved to
// fit the second best.
double misfit(const Region &a, const Region &b)
{
    if (std::abs(a.pixels.size() - b.pixels.size()) > 0.25 * b.pixels.size())
        return std::numeric_limits<double>::infinity();
    double turn = 0;
    QPointF place = b.centre;
    int bestOverlap = -1;
    auto tryPose = [&](double degrees, QPointF at, int stride) {
        const QVector<QPoint> landed = placed(a, degrees, at, stride);
        const int shared = int(
            std::count_if(landed.begin(), landed.end(), [&b](QPoint pixel) { return b.contains(pixel); }));
        if (shared > bestOverlap)
            std::tie(bestOverlap, turn, place) = std::make_tuple(shared, degrees, at);
    };
    // Coarse turns on a sample of the pixels, then finer turns and shifts on all of them.
    for (int degrees = 0; degrees < 360; degrees += 3)
        tryPose(degrees, place, 4);
    bestOverlap = -1;
    const double coarseTurn = turn;
    for (double degrees = coarseTurn - 2; degrees <= coarseTurn + 2; degrees += 0.5)
        tryPose(degrees, place, 1);
    const QPointF coarsePlace = place;
    for (double dx = -1; dx <= 1; dx += 0.5) {
        for (double dy = -1; dy <= 1; dy += 0.5)
            tryPose(turn, coarsePlace + QPointF(dx, dy), 1);
    }
    const Region fitted(placed(a, turn, place));
    return std::max(farthestStray(fitted, b), farthestStray(b, fitted));
}

} // namespace

// The worst misfit of the best pairing of two sets of regions; infinite when their numbers differ.
double setMisfit(const QVector<Region> &a, const QVector<Region> &b)
{
    if (a.size() != b.size())
        return std::numeric_limits<double>::infinity();
    QVector<QVector<double>> pairs(a.size());
    for (int i = 0; i < a.size(); ++i) {
        for (const Region &other : b)
            pairs[i].append(misfit(a[i], other));
    }
    QVector<int> order(b.size());
    std::iota(order.begin(), order.end(), 0);
    double best = std::numeric_limits<double>::infinity();
    do {
        double worst = 0;
        for (int i = 0; i < a.size(); ++i)
            worst = std::max(worst, pairs[i][order[i]]);
        best = std::min(best, worst);
    } while (std::next_permutation(order.begin(), order.end()));
    return best;
}

Reading read(const QImage &picture)
{
    const auto regionsOf
        = [&picture](int cell) { return fillRegions(picture, SpatialPuzzles::cellRect(cell).toRect()); };
    const QVector<Region> framed = regionsOf(0);
    Reading reading;
    QVector<QVector<Region>> candidates;
    for (int choice = 1; choice <= SpatialBank::ChoiceCount; ++choice) {
        candidates.append(regionsOf(choice));
        if (framed.size() >= 2 && setMisfit(framed, candidates.last()) <= Tolerance)
            reading.madeOfThePieces.append(choice);
    }
    for (int choice = 0; choice < SpatialBank::ChoiceCount; ++choice) {
        for (int other = choice + 1; other < SpatialBank::ChoiceCount; ++other) {
            if (setMisfit(candidates[choice], candidates[other]) <= Tolerance)
                reading.lookingTheSame.append({ choice + 1, other + 1 });
        }
    }
    return reading;
}

} // namespace SpatialReading
