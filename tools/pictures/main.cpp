// Draws every picture of the program: the question pictures read by name, the decoration, the
// examples stored with the screens and the application icon; or, with --series, the question
// pictures of another series (series.h). Usage:
//   picture-generator PICTURES_DIR ASSETS_DIR ICONS_DIR EXPECTED_FILES
//   picture-generator --series N SERIES_DIR EXPECTED_FILES
// EXPECTED_FILES lists, one a line, every file the build expects; any difference is an error.
#include "decoration.h"
#include "pictureoutput.h"
#include "series.h"
#include "testlist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSet>

#include <cstdio>
#include <memory>

namespace {

constexpr char Usage[] = "usage: picture-generator PICTURES_DIR ASSETS_DIR ICONS_DIR EXPECTED_FILES\n"
                         "       picture-generator --series N SERIES_DIR EXPECTED_FILES (N from 2)\n";

QSet<QString> cleanPaths(const QStringList &paths)
{
    QSet<QString> cleaned;
    for (const QString &path : paths) {
        if (!path.isEmpty())
            cleaned.insert(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    }
    return cleaned;
}

// The build declares each file as an output: one it does not know would be neither installed nor
// cleaned, one it expects but never gets would be drawn again at every build.
QStringList differences(const QString &expectedList, const QStringList &writtenFiles)
{
    QFile list(expectedList);
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
        return { QStringLiteral("%1: %2").arg(expectedList, list.errorString()) };
    const QSet<QString> expected = cleanPaths(QString::fromUtf8(list.readAll()).split(QLatin1Char('\n')));
    const QSet<QString> written = cleanPaths(writtenFiles);

    QStringList problems;
    for (const QString &path : written - expected)
        problems.append(
            QStringLiteral("%1: written, but not listed (the tests' descriptors, PictureFiles.cmake)")
                .arg(path));
    for (const QString &path : expected - written)
        problems.append(
            QStringLiteral("%1: listed (the tests' descriptors, PictureFiles.cmake), but not written")
                .arg(path));
    problems.sort();
    return problems;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const bool series = arguments.value(1) == QLatin1String("--series");
    bool numbered = true;
    const int seriesNumber = series ? arguments.value(2).toInt(&numbered) : Series::Own;
    if (arguments.size() != 5 || !numbered || seriesNumber < Series::Own
        || (series && seriesNumber == Series::Own)) {
        std::fprintf(stderr, "%s", Usage);
        return 2;
    }
    const QStringList folders = series ? QStringList { arguments[3] } : arguments.mid(1, 3);
    for (const QString &folder : folders) {
        if (!QDir().mkpath(folder)) {
            std::fprintf(stderr, "picture-generator: cannot create %s\n", qPrintable(folder));
            return 1;
        }
    }

    const std::unique_ptr<PictureOutput> output = series
        ? std::make_unique<PictureOutput>(seriesNumber, folders[0])
        : std::make_unique<PictureOutput>(folders[0], folders[1], folders[2]);
    // Each test with pictures, then the decoration; a later series takes only its question pictures.
    QStringList errors;
    for (const TestDescriptor *test : Tests::All) {
        if (!test->bank)
            continue;
        const TestPictures *pictures = TestRegistry<TestPictures>::find(*test);
        if (!pictures)
            errors.append(QStringLiteral("no drawing for the test %1").arg(QString::fromUtf8(test->stem)));
        else
            pictures->write(*output);
    }
    if (!series)
        Decoration::writeAll(*output);

    errors += output->errors();
    if (errors.isEmpty())
        errors = differences(arguments[4], output->writtenFiles());
    for (const QString &error : errors)
        std::fprintf(stderr, "picture-generator: %s\n", qPrintable(error));
    return errors.isEmpty() ? 0 : 1;
}
