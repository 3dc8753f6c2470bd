#include "icofile.h"

#include <QBuffer>
#include <QDataStream>

namespace {
constexpr int HeaderSize = 6;
constexpr int EntrySize = 16;

QByteArray png(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "png");
    return bytes;
}
} // namespace

QByteArray icoFile(const QVector<QImage> &pictures)
{
    QVector<QByteArray> images;
    for (const QImage &picture : pictures)
        images.append(png(picture));

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size()); // reserved, type icon, count
    quint32 offset = HeaderSize + EntrySize * images.size();
    for (int i = 0; i < images.size(); ++i) {
        // A side of 256 is written as 0.
        const auto side = quint8(pictures[i].width() & 0xff);
        out << side << side << quint8(0) << quint8(0) // no palette, reserved
            << quint16(1) << quint16(32) // planes, bits per pixel
            << quint32(images[i].size()) << offset;
        offset += images[i].size();
    }
    for (const QByteArray &image : images)
        out.writeRawData(image.constData(), image.size());
    return file;
}
