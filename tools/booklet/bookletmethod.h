#pragma once

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

// Each test's clock, in seconds, as the program sets it unless the examiner changes it.
constexpr int DefaultTimeLimit = 120;

void methodPage(BookletWriter &writer, const QString &test, const Method &method, int questions);

Method spatialMethod();
Method pathMethod();
Method reasoningMethod();
Method dialMethod();
Method lengthMethod();

} // namespace Booklet
