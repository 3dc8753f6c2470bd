#pragma once

#include "questionbank.h"
#include "testdescriptor.h"

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// Where the generator writes: the files the program reads by name, the pictures stored with the
// screens (examples and first questions), which the build embeds as resources, and the
// application icon. Every picture is written twice: at its own size, and drawn afresh at twice
// the size as "name@2x.ext" for high-density screens; the icon comes at the sizes of the icon
// theme instead. It keeps the path of every file written, for the build to check.
// An output for a later series (series.h) takes only the question pictures read by name: question
// 1, the examples, the decoration and the icon belong to the program and stay series 1's.
class PictureOutput {
public:
    // Draws the picture with every length multiplied by the scale (1 or 2).
    using Drawing = std::function<QImage(int scale)>;

    // Series 1: every picture of the program.
    PictureOutput(const QString &picturesFolder, const QString &assetsFolder, const QString &iconsFolder);
    // A later series: its question pictures, into one folder.
    PictureOutput(int series, const QString &seriesFolder);

    int series() const { return seriesNumber; }

    void gif(const QString &name, const Drawing &drawing, const QVector<QRgb> &palette);
    // The pictures of a test, as its bank names them: question 1's stored with the screen, then
    // each file read by a later question, once.
    void questions(const QuestionBank &bank, const std::function<Drawing(int question)> &drawingOf,
        const QVector<QRgb> &palette);
    void jpeg(const QString &name, const Drawing &drawing);
    void assetJpeg(const QString &name, const Drawing &drawing);
    void iconPng(const QString &name, const QImage &picture);
    void iconFile(const QString &name, const QByteArray &contents);

    const QStringList &errors() const { return failures; }
    const QStringList &writtenFiles() const { return written; }

    static constexpr int JpegQuality = 92;

private:
    void writeJpegs(const QDir &folder, const QString &name, const Drawing &drawing);
    bool ownsProgramPictures(const QString &name);

    int seriesNumber;
    QDir pictures;
    QDir assets;
    QDir icons;
    QStringList failures;
    QStringList written;
};

// How a test's pictures are written, registered (TestRegistry) by the file in this folder that
// draws them.
struct TestPictures {
    const TestDescriptor &test;
    void (*write)(PictureOutput &output);
};
