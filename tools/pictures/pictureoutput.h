#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>

// Where the generator writes: the files the program reads by name, and the pictures stored with
// the screens (examples and first questions), which the build embeds as resources.
class PictureOutput {
public:
    PictureOutput(const QString &picturesFolder, const QString &assetsFolder);

    void gif(const QString &name, const QImage &picture, const QVector<QRgb> &palette);
    void jpeg(const QString &name, const QImage &picture);
    void assetJpeg(const QString &name, const QImage &picture);

    const QStringList &errors() const { return failures; }

private:
    void writeJpeg(const QDir &folder, const QString &name, const QImage &picture);

    QDir pictures;
    QDir assets;
    QStringList failures;
};
