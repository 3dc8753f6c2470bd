#pragma once

#include <QImage>
#include <QString>

// Writes a picture as a JPEG file with libjpeg, keeping full colour resolution (no chroma
// subsampling): Qt's own writer always halves it, which turns thin coloured lines dull and
// blurred. Returns false with a reason on error.
bool writeJpeg(const QString &path, const QImage &picture, int quality, QString *error);
