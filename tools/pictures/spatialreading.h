#pragma once

#include <QImage>
#include <QPair>
#include <QPointF>
#include <QRect>
#include <QVector>

#include <vector>

// A spatial puzzle read from its pixels alone, as a candidate sees it: the regions of piece fill in
// each cell, and which candidates the framed pieces, turned and moved, make. The tests read the
// written files with it; the generator holds a redrawn series to it before writing.
namespace SpatialReading {

// A region of piece fill: its pixels, and a mask over their bounding box for lookups.
struct Region {
    explicit Region(const QVector<QPoint> &found)
        : pixels(found)
    {
        for (QPoint pixel : found) {
            box |= QRect(pixel, QSize(1, 1));
            centre += QPointF(pixel) / found.size();
        }
        mask.resize(size_t(box.width() * box.height()));
        for (QPoint pixel : found)
            mask[index(pixel)] = true;
    }
    bool contains(QPoint pixel) const { return box.contains(pixel) && mask[index(pixel)]; }
    size_t index(QPoint pixel) const
    {
        return size_t((pixel.y() - box.top()) * box.width() + pixel.x() - box.left());
    }

    QVector<QPoint> pixels;
    QRect box;
    QPointF centre;
    std::vector<bool> mask;
};

// The regions of piece fill in a cell of the picture.
QVector<Region> fillRegions(const QImage &picture, const QRect &cell);
// The worst misfit, in pixels, of the best pairing of two sets of regions, each region turned (never
// mirrored) and moved to fit its partner; infinite when their numbers differ.
double setMisfit(const QVector<Region> &a, const QVector<Region> &b);

// Regions that lie this close are the same shape to the eye.
constexpr double Tolerance = 3; // pixels

struct Reading {
    QVector<int> madeOfThePieces; // the candidates (1 = A) the framed pieces make
    QVector<QPair<int, int>> lookingTheSame; // pairs of candidates made of the same regions
};
// A spatial puzzle's picture at its own size.
Reading read(const QImage &picture);

} // namespace SpatialReading
