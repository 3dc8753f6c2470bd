#include "pictureoutput.h"

#include "gifwriter.h"

#include <QFile>
#include <QImageWriter>

namespace {
constexpr QFileDevice::Permissions ReadableByAll
    = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
}

PictureOutput::PictureOutput(const QString &picturesFolder, const QString &assetsFolder, const QString &iconsFolder)
    : pictures(picturesFolder)
    , assets(assetsFolder)
    , icons(iconsFolder)
{
}

void PictureOutput::gif(const QString &name, const QImage &picture, const QVector<QRgb> &palette)
{
    QString error;
    const QString path = pictures.filePath(name);
    if (!writeGif(path, picture, palette, &error)) {
        failures.append(error);
        return;
    }
    // giflib creates its files readable by their owner only; every user of the machine reads them.
    if (!QFile::setPermissions(path, ReadableByAll))
        failures.append(QStringLiteral("%1: cannot make it readable by all").arg(path));
    written.append(path);
}

void PictureOutput::jpeg(const QString &name, const QImage &picture)
{
    writeJpeg(pictures, name, picture);
}

void PictureOutput::assetJpeg(const QString &name, const QImage &picture)
{
    writeJpeg(assets, name, picture);
}

void PictureOutput::iconPng(const QString &name, const QImage &picture)
{
    writeImage(icons.filePath(name), picture, "png", -1);
}

void PictureOutput::iconFile(const QString &name, const QByteArray &contents)
{
    const QString path = icons.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(contents) != contents.size()) {
        failures.append(QStringLiteral("%1: %2").arg(path, file.errorString()));
        return;
    }
    written.append(path);
}

void PictureOutput::writeJpeg(const QDir &folder, const QString &name, const QImage &picture)
{
    writeImage(folder.filePath(name), picture.convertToFormat(QImage::Format_RGB32), "jpg", 92);
}

void PictureOutput::writeImage(const QString &path, const QImage &picture, const char *format, int quality)
{
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    if (!writer.write(picture)) {
        failures.append(QStringLiteral("%1: %2").arg(path, writer.errorString()));
        return;
    }
    written.append(path);
}
