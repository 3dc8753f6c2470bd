#pragma once

#include <QCryptographicHash>
#include <QImage>
#include <QString>

// A short digest of a picture's pixels, the same for a file decoded and for the picture a screen
// shows: which file is on screen, told from what it shows.
inline QString pictureDigest(const QImage &picture)
{
    if (picture.isNull())
        return QStringLiteral("none");
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    QCryptographicHash digest(QCryptographicHash::Sha1);
    for (int y = 0; y < pixels.height(); ++y)
        digest.addData(QByteArrayView(pixels.constScanLine(y), pixels.width() * 4));
    return QString::fromLatin1(digest.result().toHex().left(16));
}
