#include "pictureoutput.h"

#include "doublesize.h"
#include "gifwriter.h"
#include "jpegwriter.h"
#include "series.h"

#include <QFile>
#include <QImageWriter>

namespace {
constexpr QFileDevice::Permissions ReadableByAll
    = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;

constexpr int Scales[] = { 1, 2 };

QString scaledName(const QString &name, int scale)
{
    return scale == 1 ? name : doubleSizeName(name);
}
} // namespace

PictureOutput::PictureOutput(
    const QString &picturesFolder, const QString &assetsFolder, const QString &iconsFolder)
    : seriesNumber(Series::Own)
    , pictures(picturesFolder)
    , assets(assetsFolder)
    , icons(iconsFolder)
{
}

PictureOutput::PictureOutput(int series, const QString &seriesFolder)
    : seriesNumber(series)
    , pictures(seriesFolder)
{
}

// A picture stored with the program, or its icon, asked of a later series is a mistake of the
// caller: said as an error rather than written into the series' folder.
bool PictureOutput::ownsProgramPictures(const QString &name)
{
    if (seriesNumber == Series::Own)
        return true;
    failures.append(
        QStringLiteral("%1: belongs to the program, not to series %2").arg(name).arg(seriesNumber));
    return false;
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
        written.append(path);
    }
}

void PictureOutput::questions(const QuestionBank &bank, const std::function<Drawing(int question)> &drawingOf,
    const QVector<QRgb> &palette)
{
    // Question 1 is stored with the screen, the same in every series.
    if (seriesNumber == Series::Own)
        assetJpeg(bank.embeddedPicture(), drawingOf(1));
    QString previous;
    for (int question = 2; question <= bank.questionCount; ++question) {
        const QString name = bank.pictureFile(question);
        if (name != previous)
            gif(name, drawingOf(question), palette);
        previous = name;
    }
}

void PictureOutput::jpeg(const QString &name, const Drawing &drawing)
{
    if (ownsProgramPictures(name))
        writeJpegs(pictures, name, drawing);
}

void PictureOutput::assetJpeg(const QString &name, const Drawing &drawing)
{
    if (ownsProgramPictures(name))
        writeJpegs(assets, name, drawing);
}

void PictureOutput::iconPng(const QString &name, const QImage &picture)
{
    if (!ownsProgramPictures(name))
        return;
    const QString path = icons.filePath(name);
    QImageWriter writer(path, "png");
    if (!writer.write(picture)) {
        failures.append(QStringLiteral("%1: %2").arg(path, writer.errorString()));
        return;
    }
    written.append(path);
}

void PictureOutput::iconFile(const QString &name, const QByteArray &contents)
{
    if (!ownsProgramPictures(name))
        return;
    const QString path = icons.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(contents) != contents.size()) {
        failures.append(QStringLiteral("%1: %2").arg(path, file.errorString()));
        return;
    }
    written.append(path);
}

void PictureOutput::writeJpegs(const QDir &folder, const QString &name, const Drawing &drawing)
{
    for (int scale : Scales) {
        QString error;
        const QString path = folder.filePath(scaledName(name, scale));
        if (!writeJpeg(path, drawing(scale), JpegQuality, &error)) {
            failures.append(error);
            continue;
        }
        written.append(path);
    }
}
