// Draws every picture of the program: the question pictures read by name, the decoration, and
// the examples stored with the screens. Usage: picture-generator PICTURES_DIR ASSETS_DIR
// With --booklet FILE, it draws the answer booklet instead, from the same geometry.
#include "booklet.h"
#include "decoration.h"
#include "dialpictures.h"
#include "lengths.h"
#include "paths.h"
#include "pictureoutput.h"
#include "spatialpictures.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--booklet")) {
        QString error;
        if (Booklet::write(arguments[2], &error))
            return 0;
        std::fprintf(stderr, "picture-generator: booklet: %s\n", qPrintable(error));
        return 1;
    }
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: picture-generator PICTURES_DIR ASSETS_DIR\n       picture-generator --booklet FILE\n");
        return 2;
    }
    for (const QString &folder : { arguments[1], arguments[2] }) {
        if (!QDir().mkpath(folder)) {
            std::fprintf(stderr, "picture-generator: cannot create %s\n", qPrintable(folder));
            return 1;
        }
    }

    PictureOutput output(arguments[1], arguments[2]);
    // Each kind of picture adds its own call here.
    writeDialPictures(output);
    PathPictures::writeAll(output);
    LengthPictures::writeAll(output);
    Decoration::writeAll(output);
    writeSpatialPictures(output);

    for (const QString &error : output.errors())
        std::fprintf(stderr, "picture-generator: %s\n", qPrintable(error));
    return output.errors().isEmpty() ? 0 : 1;
}
