#pragma once

#include <QByteArray>
#include <QImage>
#include <QVector>

// A Windows icon file (.ico) holding each picture, stored as PNG, which Windows reads at every
// size since Vista. The pictures are square, 256 pixels at most.
QByteArray icoFile(const QVector<QImage> &pictures);
