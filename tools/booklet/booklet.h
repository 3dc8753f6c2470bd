#pragma once

#include "bookletmethod.h"
#include "dials/dialsbank.h"
#include "lengths/lengthsbank.h"
#include "paths/pathsbank.h"
#include "reasoning/reasoningitems.h"
#include "spatial/spatialbank.h"

#include <QString>
#include <QStringList>

class BookletWriter;

// The booklets of a series of question pictures (series.h). The "Corrigé illustré": a method page
// for each of the five tests and every question with its right answer and a drawing that shows why,
// drawn from the same tables and geometry as the pictures, then the key on one page. The "Sujet":
// each test's instructions and its questions as the screens show them, without a mark, then an empty
// answer sheet, for taking the tests on paper.
namespace Booklet {

enum class Kind { Sujet, Corrige };

// Writes the document of that kind for that series to `path`; false, with the reason, on failure.
bool write(const QString &path, Kind kind, int series, QString *error);

// The tests' sections, one file each: how many questions each explains and how many fit on a page.
struct SectionLayout {
    int questions;
    int perPage;

    constexpr int pages() const { return (questions + perPage - 1) / perPage; }
};

// What the booklets draw of a test beside what its descriptor says, registered (TestRegistry) by
// the test's own file in this folder: its method page, its answers' section and its question
// paper's pages, and its answers for the key and the answer sheet.
struct TestEntry {
    const TestDescriptor &test;
    Method (*method)();
    SectionLayout layout;
    void (*draw)(BookletWriter &, int series);
    SectionLayout paperLayout;
    void (*drawPaper)(BookletWriter &, int series);
    QStringList (*answers)();
};

constexpr SectionLayout SpatialLayout { SpatialBank::QuestionCount, 3 };
constexpr SectionLayout PathLayout { PathsBank::QuestionCount, 6 };
constexpr SectionLayout ReasoningLayout { ReasoningItems::ItemCount, 5 };
// One panel and its questions to a page.
constexpr SectionLayout DialLayout { DialsBank::QuestionCount, DialsBank::QuestionsPerPanel };
constexpr SectionLayout LengthLayout { LengthsBank::QuestionCount, 10 };
void spatialSection(BookletWriter &writer, int series);
void pathSection(BookletWriter &writer, int series);
void reasoningSection(BookletWriter &writer, int series);
void dialSection(BookletWriter &writer, int series);
void lengthSection(BookletWriter &writer, int series);

// The same questions in the sujet, as the screens show them: their own page layouts, each test after
// a page with its instructions.
constexpr SectionLayout SpatialPaper { SpatialBank::QuestionCount, 6 };
constexpr SectionLayout PathPaper { PathsBank::QuestionCount, 6 };
constexpr SectionLayout ReasoningPaper { ReasoningItems::ItemCount, 5 };
// Two panels and their questions to a page.
constexpr SectionLayout DialPaper { DialsBank::QuestionCount, 2 * DialsBank::QuestionsPerPanel };
constexpr SectionLayout LengthPaper { LengthsBank::QuestionCount, 15 };
// The page of a test's instructions, as its instruction screen shows them.
void instructionPage(BookletWriter &writer, const TestDescriptor &test, int sheetPage);
void spatialPaper(BookletWriter &writer, int series);
void pathPaper(BookletWriter &writer, int series);
void reasoningPaper(BookletWriter &writer, int series);
void dialPaper(BookletWriter &writer, int series);
void lengthPaper(BookletWriter &writer, int series);
// A reasoning item as on its screen, its boxes empty or filled with the key; returns its height.
double drawReasoningItem(
    BookletWriter &writer, const ReasoningItems::Item &item, double top, bool withAnswers);

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

// The page after the tests' answers: all the answers on one page; the sujet ends with the same grid
// empty.
struct TestAnswers {
    QString title;
    QStringList answers;
    int columns;
};
void keyPage(BookletWriter &writer, const QVector<TestAnswers> &tests);
void answerSheet(BookletWriter &writer, const QVector<TestAnswers> &tests);
// What the score says, and what a second pass on the same questions does not.
void scorePage(BookletWriter &writer, const QVector<TestAnswers> &tests, int keyPageNumber, int series);

// The file names of a series' documents, as the build names them.
QString documentName(Kind kind, int series);

// The line that states a question's answer, the same in every section: "Question 12 : réponse C".
QString answerLine(int question, const QString &answer);

} // namespace Booklet
