// Draws every picture of the program: the question pictures read by name, the decoration, the
// examples stored with the screens and the application icon. Usage:
//   picture-generator PICTURES_DIR ASSETS_DIR ICONS_DIR EXPECTED_FILES
// EXPECTED_FILES lists, one a line, every file the build expects; any difference is an error.
#include "decoration.h"
#include "dialpictures.h"
#include "lengths.h"
#include "paths.h"
#include "pictureoutput.h"
#include "spatialpictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSet>

#include <cstdio>

namespace {

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
        problems.append(QStringLiteral("%1: written, but not listed in PictureFiles.cmake").arg(path));
    for (const QString &path : expected - written)
        problems.append(QStringLiteral("%1: listed in PictureFiles.cmake, but not written").arg(path));
    problems.sort();
    return problems;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 5) {
        std::fprintf(stderr, "usage: picture-generator PICTURES_DIR ASSETS_DIR ICONS_DIR EXPECTED_FILES\n");
        return 2;
    }
    for (const QString &folder : { arguments[1], arguments[2], arguments[3] }) {
        if (!QDir().mkpath(folder)) {
            std::fprintf(stderr, "picture-generator: cannot create %s\n", qPrintable(folder));
            return 1;
        }
    }

    PictureOutput output(arguments[1], arguments[2], arguments[3]);
    // Each kind of picture adds its own call here.
    writeDialPictures(output);
    PathPictures::writeAll(output);
    LengthPictures::writeAll(output);
    Decoration::writeAll(output);
    writeSpatialPictures(output);

    QStringList errors = output.errors();
    if (errors.isEmpty())
        errors = differences(arguments[4], output.writtenFiles());
    for (const QString &error : errors)
        std::fprintf(stderr, "picture-generator: %s\n", qPrintable(error));
    return errors.isEmpty() ? 0 : 1;
}
