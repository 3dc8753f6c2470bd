#pragma once

#include "dials/dialbank.h"
#include "lengths/lengthtable.h"
#include "paths/pathtable.h"
#include "reasoning/reasoningitems.h"
#include "spatial/spatialkey.h"

#include <QString>
#include <QStringList>

class BookletWriter;

// The answer booklet "Corrigé illustré": a method page for each of the five tests, then every question
// with its right answer and a drawing that shows why, drawn from the same tables and geometry as the
// pictures; a one-page key, an empty answer sheet and a page on reading one's score.
namespace Booklet {

// Writes the booklet to `path`; false, with the reason, on failure.
bool write(const QString &path, QString *error);

// The tests' sections, one file each: how many questions each explains and how many fit on a page.
struct SectionLayout {
    int questions;
    int perPage;

    constexpr int pages() const { return (questions + perPage - 1) / perPage; }
};
constexpr SectionLayout SpatialLayout { SpatialKey::QuestionCount, 3 };
constexpr SectionLayout PathLayout { PathTable::QuestionCount, 6 };
constexpr SectionLayout ReasoningLayout { ReasoningItems::ItemCount, 5 };
// One panel and its questions to a page.
constexpr SectionLayout DialLayout { DialBank::QuestionCount, DialBank::QuestionsPerPanel };
constexpr SectionLayout LengthLayout { LengthTable::QuestionCount, 10 };
void spatialSection(BookletWriter &writer);
void pathSection(BookletWriter &writer);
void reasoningSection(BookletWriter &writer);
void dialSection(BookletWriter &writer);
void lengthSection(BookletWriter &writer);

// Each test's right answers as printed, question 1 first.
QStringList spatialAnswers();
QStringList pathAnswers();
QStringList reasoningAnswers();
QStringList dialAnswers();
QStringList lengthAnswers();
// The classic traps among the values a dial question offers.
enum class DialTrap { None, Sign, TenTimesLess, TenTimesMore, NextGraduation };
// "250 proposé pour 2460": the first dial question that offers the trap.
QString dialTrapExample(DialTrap trap);

// The pages after the tests: all the answers on one page, and the same grid empty.
struct TestAnswers {
    QString title;
    QStringList answers;
    int columns;
};
void keyPage(BookletWriter &writer, const QVector<TestAnswers> &tests);
void answerSheet(BookletWriter &writer, const QVector<TestAnswers> &tests);
// What the score says, and what a second pass on the same questions does not.
void scorePage(
    BookletWriter &writer, const QVector<TestAnswers> &tests, int keyPageNumber, int sheetPageNumber);

// The line that states a question's answer, the same in every section: "Question 12 : réponse C".
QString answerLine(int question, const QString &answer);

} // namespace Booklet
