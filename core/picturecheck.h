#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Whether the bytes of a picture file hold one whole picture. Qt decodes a GIF or JPEG cut short
// into a partly drawn image without an error, so the structure is checked on its own.
namespace PictureCheck {

// Far above any picture of the program (the largest is 600 x 200), far below what would hurt
// the machine: a file or a picture claiming more is refused before anything is allocated.
constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;
constexpr qint64 MaxPixels = 4 * 1024 * 1024;

enum class Depth {
    // Every block present and sizes sane, without decoding a pixel: cheap enough for start-up.
    Structure,
    // The above, and the compressed image data decodes to every pixel without an error.
    Pixels,
};

// Why the bytes are not one whole still GIF picture, in French; empty when they are.
QString gifProblem(const QByteArray &bytes, Depth depth);
// The picture of those bytes, decoded in the same walk that proves it whole: a null image, and
// the reason in *problem, when it is not. Its pixels are those Qt's own GIF reader would give.
QImage gifImage(const QByteArray &bytes, QString *problem);
// Why the bytes are not one whole JPEG picture (every segment present up to the end-of-image
// marker after the scan data), in French; empty when they are.
QString jpegProblem(const QByteArray &bytes);
// The check that the file's name calls for: GIF for ".gif", JPEG for ".jpg" and ".jpeg", none
// for other names.
QString problem(const QByteArray &bytes, const QString &fileName, Depth depth);

} // namespace PictureCheck
