#pragma once

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>

// Where the generator writes: the files the program reads by name, the pictures stored with the
// screens (examples and first questions), which the build embeds as resources, and the
// application icon. It keeps the path of every file written, for the build to check.
class PictureOutput {
public:
    PictureOutput(const QString &picturesFolder, const QString &assetsFolder, const QString &iconsFolder);

    void gif(const QString &name, const QImage &picture, const QVector<QRgb> &palette);
    void jpeg(const QString &name, const QImage &picture);
    void assetJpeg(const QString &name, const QImage &picture);
    void iconPng(const QString &name, const QImage &picture);
    void iconFile(const QString &name, const QByteArray &contents);

    const QStringList &errors() const { return failures; }
    const QStringList &writtenFiles() const { return written; }

private:
    void writeJpeg(const QDir &folder, const QString &name, const QImage &picture);
    void writeImage(const QString &path, const QImage &picture, const char *format, int quality);

    QDir pictures;
    QDir assets;
    QDir icons;
    QStringList failures;
    QStringList written;
};
