#include "pictureoutput.h"

#include "gifwriter.h"

#include <QImageWriter>

PictureOutput::PictureOutput(const QString &picturesFolder, const QString &assetsFolder)
    : pictures(picturesFolder)
    , assets(assetsFolder)
{
}

void PictureOutput::gif(const QString &name, const QImage &picture, const QVector<QRgb> &palette)
{
    QString error;
    if (!writeGif(pictures.filePath(name), picture, palette, &error))
        failures.append(error);
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
