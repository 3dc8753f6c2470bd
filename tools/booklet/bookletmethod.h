#pragma once

#include "timelimit.h"

#include <QString>
#include <QStringList>

class BookletWriter;

// The page before each test's answers: what the test measures, a way to work, its traps and the
// time one question may take.
namespace Booklet {

struct Method {
    QString measures;
    QStringList steps;
    QStringList traps;
    QString inThisBooklet; // how the answer pages show it
};

void methodPage(BookletWriter &writer, const QString &test, const Method &method, int questions);

Method spatialMethod();
Method pathMethod();
Method reasoningMethod();
Method dialMethod();
Method lengthMethod();

} // namespace Booklet
