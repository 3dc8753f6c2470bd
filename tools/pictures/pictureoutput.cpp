#include "pictureoutput.h"

#include "doublesize.h"
#include "gifwriter.h"
#include "jpegwriter.h"

#include <QFile>

namespace {
constexpr QFileDevice::Permissions ReadableByAll
    = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;

constexpr int Scales[] = { 1, 2 };

QString scaledName(const QString &name, int scale)
{
    return scale == 1 ? name : doubleSizeName(name);
}
} // namespace

PictureOutput::PictureOutput(const QString &picturesFolder, const QString &assetsFolder)
    : pictures(picturesFolder)
    , assets(assetsFolder)
{
}

void PictureOutput::gif(const QString &name, const Drawing &drawing, const QVector<QRgb> &palette)
{
    for (int scale : Scales) {
        QString error;
        const QString path = pictures.filePath(scaledName(name, scale));
        if (!writeGif(path, drawing(scale), palette, &error)) {
            failures.append(error);
            continue;
        }
        // giflib creates its files readable by their owner only; every user of the machine reads them.
        if (!QFile::setPermissions(path, ReadableByAll))
            failures.append(QStringLiteral("%1: cannot make it readable by all").arg(path));
    }
}

void PictureOutput::jpeg(const QString &name, const Drawing &drawing)
{
    writeJpegs(pictures, name, drawing);
}

void PictureOutput::assetJpeg(const QString &name, const Drawing &drawing)
{
    writeJpegs(assets, name, drawing);
}

void PictureOutput::writeJpegs(const QDir &folder, const QString &name, const Drawing &drawing)
{
    for (int scale : Scales) {
        QString error;
        if (!writeJpeg(folder.filePath(scaledName(name, scale)), drawing(scale), JpegQuality, &error))
            failures.append(error);
    }
}
