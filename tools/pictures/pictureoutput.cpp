#include "pictureoutput.h"

#include "gifwriter.h"

#include <QFile>
#include <QImageWriter>

namespace {
constexpr QFileDevice::Permissions ReadableByAll
    = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
}

PictureOutput::PictureOutput(const QString &picturesFolder, const QString &assetsFolder)
    : pictures(picturesFolder)
    , assets(assetsFolder)
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
}

void PictureOutput::jpeg(const QString &name, const QImage &picture)
{
    writeJpeg(pictures, name, picture);
}

void PictureOutput::assetJpeg(const QString &name, const QImage &picture)
{
    writeJpeg(assets, name, picture);
}

void PictureOutput::writeJpeg(const QDir &folder, const QString &name, const QImage &picture)
{
    QImageWriter writer(folder.filePath(name), "jpg");
    writer.setQuality(92);
    if (!writer.write(picture.convertToFormat(QImage::Format_RGB32)))
        failures.append(QStringLiteral("%1: %2").arg(folder.filePath(name), writer.errorString()));
}
