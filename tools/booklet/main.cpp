// Draws one booklet of a series: its question paper ("sujet") or its illustrated answers
// ("corrige"), from the tables and the geometry the question pictures are drawn from. Usage:
//   booklet-generator sujet|corrige SERIES FILE
#include "booklet.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    bool isNumber = false;
    const int series = arguments.value(2).toInt(&isNumber);
    const QString kind = arguments.value(1);
    if (arguments.size() != 4 || !isNumber
        || (kind != QLatin1String("sujet") && kind != QLatin1String("corrige"))) {
        std::fprintf(stderr, "usage: booklet-generator sujet|corrige SERIES FILE\n");
        return 2;
    }
    QString error;
    if (Booklet::write(arguments[3],
            kind == QLatin1String("sujet") ? Booklet::Kind::Sujet : Booklet::Kind::Corrige, series, &error))
        return 0;
    std::fprintf(stderr, "booklet-generator: %s\n", qPrintable(error));
    return 1;
}
