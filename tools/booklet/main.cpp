// Draws the answer booklet, every question with its answer and why, from the tables and the
// geometry the question pictures are drawn from. Usage:
//   booklet-generator FILE
#include "booklet.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: booklet-generator FILE\n");
        return 2;
    }
    QString error;
    if (Booklet::write(arguments[1], &error))
        return 0;
    std::fprintf(stderr, "booklet-generator: %s\n", qPrintable(error));
    return 1;
}
