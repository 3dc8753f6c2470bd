#pragma once

#include <QImage>
#include <QString>
#include <QVector>

// Writes a picture as a GIF file with giflib. The picture is drawn opaque (RGB32) and each pixel
// is mapped to the nearest colour of the given palette (at most 256 colours), without dithering,
// so the output is the same byte for byte at every run. Returns false with a reason on error.
bool writeGif(const QString &path, const QImage &picture, const QVector<QRgb> &palette, QString *error);

// Antialiased drawings need the in-between shades of their colours: the base colours, then
// `steps` blends between every pair of them.
QVector<QRgb> shadedPalette(const QVector<QRgb> &baseColours, int steps);
