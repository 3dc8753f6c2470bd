#pragma once

#include <QtGlobal>

// A series is a whole set of the question pictures read by name, held to the same answer tables:
// the program plays any of them unchanged, since it reads each picture from its working folder
// first. Series 1 is the program's own set; the others are drawn by the same code from other seeds.
namespace Series {

constexpr int Own = 1;
// Series 1 to Count are built, checked and installed (set once, in PictureFiles.cmake).
constexpr int Count = PILOTES_SERIES_COUNT;

// The seed a kind of picture draws a question from in a series: series 1 keeps the seeds its
// pictures have always been drawn from, every other series moves them by a multiple of the
// golden ratio, far from any other question's.
constexpr quint64 seed(quint64 ownSeed, int series)
{
    return ownSeed + quint64(series - Own) * 0x9e3779b97f4a7c15ULL;
}

} // namespace Series
