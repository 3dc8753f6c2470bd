// The booklets of every series as a reader gets them: their text extracted with poppler's pdftotext,
// the corrigé's question by question against the tables that score the tests and the geometry of the
// pictures, the sujet's against the screens, and both documents' outline and contents links.
#include "picturetest.h"
#include "series.h"
#include "spatialfigures.h"
#include "spatialpuzzles.h"
#include "testsupport.h"

#include "dials/dialsbank.h"
#include "lengths/lengthsbank.h"
#include "paths/pathsbank.h"
#include "reasoning/reasoningitems.h"
#include "spatial/spatialbank.h"
#include "testlist.h"

#include <QDateTime>
#include <QHash>
#include <QLabel>
#include <QLocale>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <numeric>

namespace {

// The documents, series by series, sujet first.
const QStringList BookletFiles = QStringLiteral(BOOKLET_PATHS).split(u'|');

enum Kind { Sujet, Corrige };

QString fileOf(int series, int kind)
{
    return BookletFiles.value(2 * (series - 1) + kind);
}

QString run(const QString &tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return {};
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString titleOf(const TestDescriptor &test)
{
    return QString::fromUtf8(test.instructionTitle);
}

// The sections' titles, those of the instruction screens, in the order of the tests.
const QStringList SectionTitles = [] {
    QStringList titles;
    for (const TestDescriptor *test : Tests::All)
        titles.append(titleOf(*test));
    return titles;
}();

const TestDescriptor &testTitled(const QString &section)
{
    return *Tests::All[size_t(SectionTitles.indexOf(section))];
}

// What a page's running title says, after the document's own title and its series; empty for the
// front pages.
QString runningTitle(const QString &page)
{
    static const QRegularExpression header(QStringLiteral("^(Corrigé illustré|Sujet) – Série \\d+$"));
    const QStringList lines = page.split(u'\n', Qt::SkipEmptyParts);
    return header.match(lines.value(0)).hasMatch() ? lines.value(1) : QString();
}

// The test a page belongs to, by its running title: "Test spatial – questions 1 à 3".
QString sectionOf(const QString &page)
{
    const QString title = runningTitle(page).section(QStringLiteral(" – "), 0, 0);
    return SectionTitles.contains(title) ? title : QString();
}

// Text as a reader copies it: ligatures undone, blanks of every kind made plain spaces.
QString plain(const QString &text)
{
    return text.normalized(QString::NormalizationForm_KC);
}

// A document's pages as text, and each page's words where they stand.
struct Word {
    QRectF box; // points from the top left
    QString text;
};
struct Document {
    QStringList pages;
    QVector<QVector<Word>> words;
    QSizeF pageSize;
};

Document readDocument(const QString &file)
{
    Document document;
    document.pages = plain(run(QStringLiteral("pdftotext"), { file, QStringLiteral("-") })).split(u'\f');
    static const QRegularExpression item(QStringLiteral(
        "<page width=\"([0-9.]+)\" height=\"([0-9.]+)\"|<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" "
        "xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    const QString boxes
        = run(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), file, QStringLiteral("-") });
    for (auto matches = item.globalMatch(boxes); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        if (!match.captured(1).isEmpty()) {
            document.pageSize = { match.captured(1).toDouble(), match.captured(2).toDouble() };
            document.words.append(QVector<Word>());
            continue;
        }
        QString text = match.captured(7);
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        document.words.last().append(
            { QRectF(QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()),
                  QPointF(match.captured(5).toDouble(), match.captured(6).toDouble())),
                plain(text) });
    }
    // The running title's two halves first, wherever the text extraction put them: the line above the
    // page's rule, 17 mm down.
    for (int page = 0; page < document.pages.size() && page < document.words.size(); ++page) {
        QStringList halves[2];
        for (const Word &word : document.words[page]) {
            if (word.box.bottom() < 17 * 72 / 25.4)
                halves[word.box.left() < document.pageSize.width() / 2 ? 0 : 1].append(word.text);
        }
        if (!halves[0].isEmpty())
            document.pages[page].prepend(halves[0].join(u' ') + u'\n' + halves[1].join(u' ') + u'\n');
    }
    return document;
}

// The text of each question of the pages of `section`, by number, on one line: the words of its page
// from its "Question n" line down to the next one below, across to the next one on the right, in
// reading order. Text extraction alone may put a column of one question after the next question.
QMap<int, QString> questionTexts(const Document &document, const QString &section)
{
    struct Header {
        int question;
        QPointF at;
    };
    QMap<int, QString> texts;
    for (int page = 0; page < document.pages.size() && page < document.words.size(); ++page) {
        if (sectionOf(document.pages[page]) != section)
            continue;
        const QVector<Word> &words = document.words[page];
        QVector<Header> headers;
        for (int k = 1; k < words.size(); ++k) {
            if (words[k - 1].text == QLatin1String("Question") && words[k].text.toInt() > 0)
                headers.append({ words[k].text.toInt(), words[k - 1].box.topLeft() });
        }
        for (const Header &header : headers) {
            double right = document.pageSize.width();
            double bottom = document.pageSize.height();
            for (const Header &other : headers) {
                if (std::abs(other.at.y() - header.at.y()) < 2 && other.at.x() > header.at.x())
                    right = std::min(right, other.at.x());
                if (std::abs(other.at.x() - header.at.x()) < 2 && other.at.y() > header.at.y())
                    bottom = std::min(bottom, other.at.y());
            }
            QStringList inside;
            for (const Word &word : words) {
                const QPointF centre = word.box.center();
                if (centre.x() >= header.at.x() && centre.x() < right && centre.y() >= header.at.y()
                    && centre.y() < bottom)
                    inside.append(word.text);
            }
            texts.insert(header.question, inside.join(u' ').simplified());
        }
    }
    return texts;
}

QString dialValue(double value)
{
    QLocale french(QLocale::French, QLocale::France);
    french.setNumberOptions(QLocale::OmitGroupSeparator);
    return french.toString(value).replace(u'-', QChar(0x2212));
}

// What a picture test's screen shows at a question: its buttons' captions in order, and the one
// that scores. The booklets print that answer, and on the sujet those captions.
struct AskedQuestion {
    QStringList captions;
    QString right;
};

// A caption as the booklets print it: without its access key, with a decimal comma.
QString asPrinted(QString caption)
{
    return caption.remove(u'&').replace(u'.', u',');
}

// Read from the test's own screen, question after question, as a candidate who answers right goes
// through it; once a test.
const QVector<AskedQuestion> &askedOnScreen(const TestDescriptor &test)
{
    static QHash<const TestDescriptor *, QVector<AskedQuestion>> read;
    if (!read.contains(&test)) {
        QVector<AskedQuestion> asked;
        {
            Harness h;
            h.start();
            auto *screen = qobject_cast<PictureTest *>(h.showAlone(QString::fromLatin1(test.testScreen)));
            for (int question = 1; screen && question <= test.questionCount; ++question) {
                AskedQuestion shown;
                for (const QPushButton *button : screen->Command2)
                    shown.captions.append(asPrinted(button->text()));
                const int right = test.bank->rightButton(question);
                shown.right = shown.captions.value(right);
                asked.append(shown);
                screen->Command2_Click(right);
            }
        }
        tidyUpAfterTest();
        read.insert(&test, asked);
    }
    return read[&test];
}

QStringList expectedAnswers(const QString &section)
{
    const TestDescriptor &test = testTitled(section);
    QStringList answers;
    if (&test == &ReasoningItems::Test) {
        for (const ReasoningItems::Item &item : ReasoningItems::Items)
            answers.append(QString::fromLatin1(item.key.data(), int(item.key.size())));
        return answers;
    }
    // The corrigé's answers take a typographic minus.
    for (const AskedQuestion &question : askedOnScreen(test))
        answers.append(QString(question.right).replace(u'-', QChar(0x2212)));
    return answers;
}

// The page whose running title is `title`, laid out as printed; empty when there is none.
QString layoutOfPage(const QString &file, const QStringList &pages, const QString &title)
{
    for (int k = 0; k < pages.size(); ++k) {
        if (runningTitle(pages[k]) == title)
            return plain(run(QStringLiteral("pdftotext"),
                { QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(k + 1),
                    QStringLiteral("-l"), QString::number(k + 1), file, QStringLiteral("-") }));
    }
    return {};
}

// The answers of one test on the key page, by question: the lines between its title and the next one.
QMap<int, QString> keyAnswers(const QString &keyPage, const QString &section)
{
    static const QRegularExpression cell(QStringLiteral("(\\d+) +((?:[^\\s,]+, )*\\S+)"));
    QMap<int, QString> answers;
    bool inSection = false;
    for (const QString &line : keyPage.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (SectionTitles.contains(trimmed)) {
            inSection = trimmed == section;
            continue;
        }
        if (!inSection)
            continue;
        for (auto matches = cell.globalMatch(trimmed); matches.hasNext();) {
            const QRegularExpressionMatch match = matches.next();
            answers.insert(match.captured(1).toInt(), match.captured(2).remove(QStringLiteral(", ")));
        }
    }
    return answers;
}

// Every match of `pattern` on the pages of `section`, in reading order.
QVector<QRegularExpressionMatch> matchesIn(
    const QStringList &pages, const QString &section, const QRegularExpression &pattern)
{
    QVector<QRegularExpressionMatch> found;
    for (const QString &page : pages) {
        if (sectionOf(page) != section)
            continue;
        auto matches = pattern.globalMatch(page);
        while (matches.hasNext())
            found.append(matches.next());
    }
    return found;
}

} // namespace

// Without its blanks and hyphens: a line of the page may break elsewhere than on the screen, and a word
// broken at its hyphen comes out of the text extraction without it.
QString withoutBlanks(const QString &text)
{
    static const QRegularExpression blanks(QStringLiteral("[\\s-]+"));
    return plain(text).remove(blanks);
}

// Whether every word of `words` is in `text`, as often as there.
bool containsWords(const QString &text, const QString &words)
{
    const QStringList available = text.split(u' ', Qt::SkipEmptyParts);
    const QStringList wanted = words.split(u' ', Qt::SkipEmptyParts);
    for (const QString &word : wanted) {
        if (available.count(word) < wanted.count(word))
            return false;
    }
    return true;
}

// Whether two figures are drawn alike, in the figures' own coordinates: the same corners, and every
// point along the lines of one on a line of the other, however the lines are listed.
bool drawnAlike(const SpatialPuzzles::Figure &a, const SpatialPuzzles::Figure &b)
{
    auto near = [](QPointF p, QPointF q) { return std::hypot(p.x() - q.x(), p.y() - q.y()) < 1; };
    const bool sameOutline = a.outline.size() == b.outline.size()
        && std::all_of(a.outline.begin(), a.outline.end(), [&](QPointF corner) {
               return std::any_of(
                   b.outline.begin(), b.outline.end(), [&](QPointF other) { return near(corner, other); });
           });
    auto alongAll = [&](const SpatialPuzzles::Figure &from, const SpatialPuzzles::Figure &on) {
        for (const QPolygonF &cut : from.cuts) {
            for (int k = 0; k + 1 < cut.size(); ++k) {
                for (int step = 0; step <= 20; ++step) {
                    const QPointF point = cut[k] + (cut[k + 1] - cut[k]) * step / 20.0;
                    bool found = false;
                    for (const QPolygonF &other : on.cuts) {
                        for (int j = 0; j + 1 < other.size() && !found; ++j) {
                            const QPointF d = other[j + 1] - other[j];
                            const double t = std::clamp(
                                QPointF::dotProduct(point - other[j], d) / QPointF::dotProduct(d, d), 0.0,
                                1.0);
                            found = near(point, other[j] + t * d);
                        }
                    }
                    if (!found)
                        return false;
                }
            }
        }
        return true;
    };
    return sameOutline && alongAll(a, b) && alongAll(b, a);
}

// What is false in the note on wrong figure `slot`, measured on the drawing; empty when it all holds.
// Mirror notes, sizes with their amounts, and equal sizes are checked.
QString falseInNote(const SpatialPuzzles::Puzzle &puzzle, int slot, const QString &note)
{
    const SpatialPuzzles::Candidate &right = puzzle.candidates[size_t(puzzle.answer - 1)];
    const SpatialPuzzles::Candidate &wrong = puzzle.candidates[size_t(slot)];
    const SpatialPuzzles::Figure &figure = right.figure;
    if (note.contains(QStringLiteral("image miroir")) && drawnAlike(SpatialPuzzles::mirrored(figure), figure))
        return QStringLiteral("the right figure is its own mirror image");
    const QRectF wrongBox = wrong.placement.map(wrong.figure.outline).boundingRect();
    const QRectF rightBox = right.placement.map(figure.outline).boundingRect();
    const double width = 100 * (wrongBox.width() / rightBox.width() - 1);
    const double height = 100 * (wrongBox.height() / rightBox.height() - 1);
    static const QRegularExpression size(
        QStringLiteral("(plus large|plus étroit|plus haut|moins haut|plus grande|plus petite) de (\\d+) %"));
    for (auto matches = size.globalMatch(note); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        const QString said = match.captured(1);
        const double stated = match.captured(2).toDouble()
            * (said == QLatin1String("plus étroit") || said == QLatin1String("moins haut")
                        || said == QLatin1String("plus petite")
                    ? -1
                    : 1);
        QVector<double> measured;
        if (said.contains(QStringLiteral("large")) || said.contains(QStringLiteral("étroit"))
            || said.startsWith(QStringLiteral("plus gr")) || said.startsWith(QStringLiteral("plus pe")))
            measured.append(width);
        if (said.contains(QStringLiteral("haut")) || said.startsWith(QStringLiteral("plus gr"))
            || said.startsWith(QStringLiteral("plus pe")))
            measured.append(height);
        for (const double value : measured) {
            if (std::abs(value - stated) > 1.5)
                return QStringLiteral("«%1»: %2 % measured").arg(match.captured(0)).arg(value, 0, 'f', 1);
        }
    }
    // A size said without its amount is not measured.
    static const QRegularExpression sizeSaid(
        QStringLiteral("contour (plus|moins) |mais plus (grande|petite)"));
    if (note.contains(sizeSaid) && !note.contains(size))
        return QStringLiteral("a size without its amount");
    if (note.contains(QStringLiteral("même largeur et même hauteur"))
        && (std::abs(width) > 3 || std::abs(height) > 3))
        return QStringLiteral("sizes differ by %1 % and %2 %").arg(width, 0, 'f', 1).arg(height, 0, 'f', 1);
    return {};
}

// A row for each series, named after it.
void seriesRows()
{
    QTest::addColumn<int>("series");
    for (int series = 1; series <= Series::Count; ++series)
        QTest::addRow("series %d", series) << series;
}

class tst_Booklet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void printedAnswersAreTheKeys_data();
    void printedAnswersAreTheKeys();
    void statedTurnsAssembleThePieces_data();
    void statedTurnsAssembleThePieces();
    void figureNotesHoldInTheDrawing_data();
    void figureNotesHoldInTheDrawing();
    void everyPathCountsTheTurnsItMarks_data() { seriesRows(); }
    void everyPathCountsTheTurnsItMarks();
    void everyDialMarksTheKeyedButton_data() { seriesRows(); }
    void everyDialMarksTheKeyedButton();
    void outlineAndContentsLeadToTheSections_data();
    void outlineAndContentsLeadToTheSections();
    void sujetShowsEveryQuestionUnmarked_data() { seriesRows(); }
    void sujetShowsEveryQuestionUnmarked();
    void sujetGivesTheScreensInstructions();
    void datedFromTheSource();

private:
    // Each document read once, and each question's text in a section.
    const Document &document(int series, int kind);
    const QMap<int, QString> &questionsOf(int series, int kind, const QString &section);

    QMap<QString, Document> documents;
    QMap<QString, QMap<int, QString>> questionText;
};

const Document &tst_Booklet::document(int series, int kind)
{
    const QString file = fileOf(series, kind);
    if (!documents.contains(file))
        documents.insert(file, readDocument(file));
    return documents[file];
}

const QMap<int, QString> &tst_Booklet::questionsOf(int series, int kind, const QString &section)
{
    const QString key = QStringLiteral("%1 %2 %3").arg(series).arg(kind).arg(section);
    if (!questionText.contains(key))
        questionText.insert(key, questionTexts(document(series, kind), section));
    return questionText[key];
}

void tst_Booklet::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
        "pdftotext (poppler-utils) is needed");
    QCOMPARE(BookletFiles.size(), 2 * Series::Count);
    for (int series = 1; series <= Series::Count; ++series) {
        for (const int kind : { Sujet, Corrige }) {
            const int pages = int(document(series, kind).pages.size());
            QVERIFY2(pages > 30 && document(series, kind).words.size() + 1 >= pages,
                qPrintable(QStringLiteral("%1: %2 pages read").arg(fileOf(series, kind)).arg(pages)));
        }
    }
}

void tst_Booklet::printedAnswersAreTheKeys_data()
{
    // Besides the answer line, the explanation that names the answer again, where there is one:
    // spatial, the assembled figure and the right figure each wrong one is compared with.
    const QHash<const TestDescriptor *, QString> explanations = {
        { &SpatialBank::Test, QStringLiteral("figure ([A-E])") },
        { &DialsBank::Test, QStringLiteral("→ (\\S+)\\.") },
        { &LengthsBank::Test, QStringLiteral("mesure (\\d+)/10 de la plus longue") },
    };
    QTest::addColumn<int>("series");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("explanation");
    for (int series = 1; series <= Series::Count; ++series) {
        for (const TestDescriptor *test : Tests::All)
            QTest::addRow("%s, series %d", test->stem, series)
                << series << titleOf(*test) << explanations.value(test);
    }
}

void tst_Booklet::printedAnswersAreTheKeys()
{
    QFETCH(int, series);
    QFETCH(QString, section);
    const QStringList &text = document(series, Corrige).pages;
    static const QRegularExpression answer(
        QStringLiteral("Question (\\d+) : réponse ([-−]?[0-9A-Z]+(?:,[0-9]+)?(?:, [0-9A-Z]+)*)"));
    const QStringList expected = expectedAnswers(section);
    QMap<int, QString> printed;
    for (const QRegularExpressionMatch &match : matchesIn(text, section, answer)) {
        const int question = match.captured(1).toInt();
        QVERIFY2(!printed.contains(question), qPrintable(QStringLiteral("question %1 twice").arg(question)));
        printed.insert(question, match.captured(2).remove(QStringLiteral(", ")));
    }
    QCOMPARE(printed.size(), expected.size());
    for (int question = 1; question <= expected.size(); ++question)
        QCOMPARE(printed.value(question), expected[question - 1]);

    // The running title of each page gives the questions it answers.
    static const QRegularExpression range(QStringLiteral("questions? (\\d+)(?: à (\\d+))?$"));
    for (const QString &page : text) {
        if (sectionOf(page) != section)
            continue;
        QVector<int> onPage;
        for (auto matches = answer.globalMatch(page); matches.hasNext();)
            onPage.append(matches.next().captured(1).toInt());
        const QRegularExpressionMatch header = range.match(runningTitle(page));
        if (onPage.isEmpty()) {
            QVERIFY2(!header.hasMatch(), qPrintable(runningTitle(page)));
            continue;
        }
        std::sort(onPage.begin(), onPage.end());
        QVERIFY2(header.hasMatch(), qPrintable(runningTitle(page)));
        QCOMPARE(header.captured(1).toInt(), onPage.first());
        QCOMPARE(header.captured(2).isEmpty() ? onPage.first() : header.captured(2).toInt(), onPage.last());
    }

    QFETCH(QString, explanation);
    if (!explanation.isEmpty()) {
        const QRegularExpression pattern(explanation);
        const QMap<int, QString> &questions = questionsOf(series, Corrige, section);
        QCOMPARE(questions.size(), expected.size());
        for (int question = 1; question <= expected.size(); ++question) {
            auto matches = pattern.globalMatch(questions.value(question));
            QVERIFY2(matches.hasNext(), qPrintable(questions.value(question)));
            while (matches.hasNext())
                QCOMPARE(matches.next().captured(1), expected[question - 1]);
        }
    }

    // The one-page key.
    const QMap<int, QString> key
        = keyAnswers(layoutOfPage(fileOf(series, Corrige), text, QStringLiteral("Corrigé express")), section);
    QCOMPARE(key.size(), expected.size());
    for (int question = 1; question <= expected.size(); ++question)
        QCOMPARE(key.value(question), expected[question - 1]);
}

void tst_Booklet::statedTurnsAssembleThePieces_data()
{
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("question");
    for (int series = 1; series <= Series::Count; ++series) {
        for (int question = 1; question <= SpatialBank::QuestionCount; ++question)
            QTest::addRow("series %d, question %d", series, question) << series << question;
    }
}

void tst_Booklet::statedTurnsAssembleThePieces()
{
    // Each loose piece, as drawn, turned the way its line says, must lie as one piece of the right
    // figure does, corner on corner once their centres are put together, each on a place of its own;
    // no smaller turn lays it on that place, and no other way of placing the pieces turns them less in
    // all: two identical pieces are not swapped round.
    QFETCH(int, series);
    QFETCH(int, question);
    const QString block = questionsOf(series, Corrige, titleOf(SpatialBank::Test)).value(question);
    QVERIFY2(!block.isEmpty(), "question not found");

    const SpatialPuzzles::Puzzle puzzle = SpatialPuzzles::puzzle(question, series);
    const SpatialPuzzles::Candidate &right = puzzle.candidates[size_t(puzzle.answer - 1)];
    // y grows downwards: a positive angle turns clockwise on the page.
    auto liesOn = [&](const QPolygonF &shown, int place, double clockwise, double tolerance = 1) {
        const QPolygonF placed = right.placement.map(right.figure.pieces[place].outline);
        const QPolygonF turned = QTransform().rotate(clockwise).map(shown);
        const QPointF shift = SpatialGeometry::centroid(placed) - SpatialGeometry::centroid(turned);
        if (turned.size() != placed.size())
            return false;
        for (const QPointF &corner : turned) {
            if (std::none_of(placed.begin(), placed.end(), [&](QPointF other) {
                    return std::hypot(corner.x() + shift.x() - other.x(), corner.y() + shift.y() - other.y())
                        < tolerance;
                }))
                return false;
        }
        return true;
    };
    // The least turn that lays a piece on a place, the closest fit first; 360 where none does.
    auto leastTurn = [&](const SpatialPuzzles::LoosePiece &loose, int place) {
        for (const double tolerance : { 0.3, 0.6, 1.0 }) {
            for (int degrees = 0; degrees <= 180; ++degrees) {
                if (liesOn(loose.shown, place, degrees, tolerance)
                    || liesOn(loose.shown, place, -degrees, tolerance))
                    return degrees;
            }
        }
        return 360;
    };
    // The least turning in all, over every way of giving the pieces places of their own.
    QVector<int> places(right.figure.pieces.size());
    std::iota(places.begin(), places.end(), 0);
    int least = std::numeric_limits<int>::max();
    do {
        int sum = 0;
        for (int k = 0; k < puzzle.loosePieces.size(); ++k)
            sum += leastTurn(puzzle.loosePieces[k], places[k]);
        least = std::min(least, sum);
    } while (std::next_permutation(places.begin(), places.end()));
    static const QRegularExpression turnLine(QStringLiteral(
        "Pièce (\\d) : (sans rotation|à tourner d’un demi-tour \\(180°\\)|à tourner de (\\d+)° \\(sens "
        "(horaire|antihoraire)\\))"));
    int stated = 0;
    double total = 0;
    QVector<int> taken;
    for (auto matches = turnLine.globalMatch(block); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        const int piece = match.captured(1).toInt();
        QCOMPARE(piece, ++stated);
        QVERIFY(piece <= puzzle.loosePieces.size());
        double clockwise = 0;
        if (match.captured(2).contains(QStringLiteral("demi-tour")))
            clockwise = 180;
        else if (!match.captured(3).isEmpty())
            clockwise = match.captured(3).toInt() * (match.captured(4) == QLatin1String("horaire") ? 1 : -1);

        const SpatialPuzzles::LoosePiece &loose = puzzle.loosePieces[piece - 1];
        int place = -1;
        for (int candidate = 0; candidate < right.figure.pieces.size() && place < 0; ++candidate) {
            if (!taken.contains(candidate) && liesOn(loose.shown, candidate, clockwise))
                place = candidate;
        }
        QVERIFY2(place >= 0,
            qPrintable(
                QStringLiteral("piece %1 turned %2° lies on no free place").arg(piece).arg(clockwise)));
        taken.append(place);
        // A degree off moves the corners of a large piece by about a pixel: the smaller turns are sought
        // a few degrees away, and held closer.
        for (int smaller = 0; smaller < std::abs(clockwise) - 3; ++smaller) {
            QVERIFY2(!liesOn(loose.shown, place, smaller, 0.3) && !liesOn(loose.shown, place, -smaller, 0.3),
                qPrintable(QStringLiteral("piece %1: %2° does what %3° does")
                               .arg(piece)
                               .arg(smaller)
                               .arg(clockwise)));
        }
        total += std::abs(clockwise);
    }
    QCOMPARE(stated, puzzle.loosePieces.size());
    QVERIFY2(total <= least + puzzle.loosePieces.size(),
        qPrintable(QStringLiteral("%1° in all, where %2° will do").arg(total).arg(least)));
}

void tst_Booklet::figureNotesHoldInTheDrawing_data()
{
    // The notes as printed, each wrong figure's; and notes planted false where the drawing makes a
    // likely slip easy (a symmetric right figure, a reshaped figure), which the check must refuse.
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("plantedSlot");
    QTest::addColumn<QString>("planted");
    for (int series = 1; series <= Series::Count; ++series) {
        for (int question = 1; question <= SpatialBank::QuestionCount; ++question)
            QTest::addRow("series %d, question %d", series, question)
                << series << question << -1 << QString();
    }
    bool mirrorPlanted = false;
    bool sizePlanted = false;
    for (int question = 2; question <= SpatialBank::QuestionCount; ++question) {
        const SpatialPuzzles::Puzzle puzzle = SpatialPuzzles::puzzle(question, Series::Own);
        const SpatialPuzzles::Figure &right = puzzle.rightFigure();
        for (int slot = 0; slot < SpatialBank::ChoiceCount; ++slot) {
            const SpatialPuzzles::Alteration alteration = puzzle.candidates[size_t(slot)].alteration;
            if (!mirrorPlanted && alteration == SpatialPuzzles::Alteration::MirroredAndRecut
                && drawnAlike(SpatialPuzzles::mirrored(right), right)) {
                mirrorPlanted = true;
                QTest::addRow("planted mirror note, question %d", question)
                    << Series::Own << question << slot << QStringLiteral("image miroir de la figure B");
            }
            if (!sizePlanted && alteration == SpatialPuzzles::Alteration::Reshaped) {
                sizePlanted = true;
                QTest::addRow("planted size, question %d", question)
                    << Series::Own << question << slot
                    << QStringLiteral(
                           "contour plus étroit de 40 % et plus haut de 40 % que celui de la figure B");
            }
        }
    }
    QVERIFY(mirrorPlanted && sizePlanted);
}

void tst_Booklet::figureNotesHoldInTheDrawing()
{
    QFETCH(int, series);
    QFETCH(int, question);
    QFETCH(int, plantedSlot);
    QFETCH(QString, planted);
    const SpatialPuzzles::Puzzle puzzle = SpatialPuzzles::puzzle(question, series);
    if (plantedSlot >= 0) {
        QVERIFY2(!falseInNote(puzzle, plantedSlot, planted).isEmpty(), qPrintable(planted));
        return;
    }
    const QString block = questionsOf(series, Corrige, titleOf(SpatialBank::Test)).value(question);
    QVERIFY2(block.contains(QStringLiteral("Les autres figures")), qPrintable(block));
    // "B : ..." up to the next figure's letter; the text extraction may put the heading after them.
    static const QRegularExpression note(
        QStringLiteral("(?:^| )([A-E]) : (.*?)(?= [A-E] : | Pièce \\d| Les autres figures|$)"));
    int notes = 0;
    for (auto matches = note.globalMatch(block); matches.hasNext(); ++notes) {
        const QRegularExpressionMatch match = matches.next();
        const int slot = match.captured(1).at(0).unicode() - 'A';
        QVERIFY(slot != puzzle.answer - 1);
        const QString wrong = falseInNote(puzzle, slot, match.captured(2));
        QVERIFY2(wrong.isEmpty(),
            qPrintable(QStringLiteral("%1 : %2 — %3").arg(match.captured(1), match.captured(2), wrong)));
    }
    QCOMPARE(notes, SpatialBank::ChoiceCount - 1);
}

void tst_Booklet::everyPathCountsTheTurnsItMarks()
{
    // The turns listed are those the booklet numbered on the drawn path, so their number is the
    // drawing's answer, not the table's.
    QFETCH(int, series);
    static const QRegularExpression counted(QStringLiteral("comptés \\(en noir\\) : ([0-9, ]+)"));
    const QVector<QRegularExpressionMatch> found
        = matchesIn(document(series, Corrige).pages, titleOf(PathsBank::Test), counted);
    QCOMPARE(found.size(), PathsBank::QuestionCount);
    for (int k = 0; k < found.size(); ++k)
        QCOMPARE(
            found[k].captured(1).trimmed().split(QStringLiteral(", ")).size(), PathsBank::Counts[size_t(k)]);
}

void tst_Booklet::everyDialMarksTheKeyedButton()
{
    QFETCH(int, series);
    const QStringList &text = document(series, Corrige).pages;
    static const QRegularExpression marked(QStringLiteral("✔ bouton (\\d)"));
    const QVector<QRegularExpressionMatch> found = matchesIn(text, titleOf(DialsBank::Test), marked);
    QCOMPARE(found.size(), DialsBank::QuestionCount);
    for (int k = 0; k < found.size(); ++k)
        QCOMPARE(found[k].captured(1).toInt(), DialsBank::AnswerKey[size_t(k)]);

    // Each reading counts from a written number to the needle: the count must add up.
    static const QRegularExpression count(QStringLiteral(
        "Lecture : (\\S+), puis (\\d+) graduations? de (\\S+)( en descendant)? → ([^,.\\s]+(?:,\\d+)?)"));
    QVector<QRegularExpressionMatch> counts;
    for (const QString &question : questionsOf(series, Corrige, titleOf(DialsBank::Test))) {
        for (auto matches = count.globalMatch(question); matches.hasNext();)
            counts.append(matches.next());
    }
    QVERIFY(counts.size() > DialsBank::QuestionCount / 2);
    QLocale french(QLocale::French);
    for (const QRegularExpressionMatch &match : counts) {
        auto number = [&](int k) { return french.toDouble(match.captured(k).replace(QChar(0x2212), u'-')); };
        const double reached = number(1) + (match.captured(4).isEmpty() ? 1 : -1) * number(2) * number(3);
        QVERIFY2(std::abs(reached - number(5)) < 1e-6, qPrintable(match.captured(0)));
    }

    // The traps the method page quotes are offered beside the right value of some question.
    static const QRegularExpression quoted(QStringLiteral("\\((\\S+) proposé pour (\\S+)\\)"));
    int quotes = 0;
    for (const QString &page : text) {
        for (auto matches = quoted.globalMatch(page); matches.hasNext(); ++quotes) {
            const QRegularExpressionMatch match = matches.next();
            bool offered = false;
            for (int question = 1; question <= DialsBank::QuestionCount; ++question) {
                QStringList values;
                for (const double value : DialsBank::ChoiceValues[size_t(question - 1)])
                    values.append(dialValue(value));
                offered = offered
                    || (dialValue(DialsBank::rightValue(question)) == match.captured(2)
                        && values.contains(match.captured(1)));
            }
            QVERIFY2(offered, qPrintable(match.captured(0)));
        }
    }
    QCOMPARE(quotes, 2);
}

void tst_Booklet::outlineAndContentsLeadToTheSections_data()
{
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("kind");
    for (int series = 1; series <= Series::Count; ++series) {
        QTest::addRow("sujet, series %d", series) << series << int(Sujet);
        QTest::addRow("corrigé, series %d", series) << series << int(Corrige);
    }
}

void tst_Booklet::outlineAndContentsLeadToTheSections()
{
    QFETCH(int, series);
    QFETCH(int, kind);
    const QStringList &text = document(series, kind).pages;
    // The outline comes whole with the first pages, which hold the contents.
    const QString xml = run(QStringLiteral("pdftohtml"),
        { QStringLiteral("-xml"), QStringLiteral("-stdout"), QStringLiteral("-i"), QStringLiteral("-q"),
            QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("2"),
            fileOf(series, kind) });
    QVERIFY(!xml.isEmpty());
    static const QRegularExpression item(QStringLiteral("<item page=\"(\\d+)\">([^<]+)</item>"));
    static const QRegularExpression questionItem(QStringLiteral("^Question (\\d+)$"));
    // Each section's entry, and under it a bookmark per question, leading to the page that answers it
    // (in the sujet: that asks it).
    QMap<QString, int> outline;
    QMap<QString, int> bookmarks;
    QString section;
    for (auto matches = item.globalMatch(xml); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        const int page = match.captured(1).toInt();
        const QRegularExpressionMatch question = questionItem.match(match.captured(2));
        if (!question.hasMatch()) {
            section = match.captured(2);
            outline.insert(section, page);
            continue;
        }
        QCOMPARE(sectionOf(text.value(page - 1)), section);
        const QRegularExpression asked(kind == Corrige ? QStringLiteral("%1 : réponse").arg(match.captured(2))
                                                       : match.captured(2) + QStringLiteral("(?!\\d)"));
        QVERIFY2(text.value(page - 1).contains(asked),
            qPrintable(QStringLiteral("%1, %2").arg(section, match.captured(2))));
        QCOMPARE(question.captured(1).toInt(), ++bookmarks[section]);
    }
    for (int k = 0; k < SectionTitles.size(); ++k)
        QCOMPARE(bookmarks.value(SectionTitles[k]), expectedAnswers(SectionTitles[k]).size());
    static const QRegularExpression link(QStringLiteral("<a href=\"[^\"#]*#(\\d+)\"><b>([^<]+)</b></a>"));
    QMap<QString, int> contents;
    for (auto matches = link.globalMatch(xml); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        contents.insert(match.captured(2), match.captured(1).toInt());
    }
    for (const QString &title : SectionTitles) {
        QVERIFY2(outline.contains(title), qPrintable(title));
        const int page = outline.value(title);
        QCOMPARE(contents.value(title), page);
        QCOMPARE(sectionOf(text.value(page - 1)), title);
        QCOMPARE(sectionOf(text.value(page - 2)) == title, false);
    }
}

void tst_Booklet::sujetShowsEveryQuestionUnmarked()
{
    // Every question with the captions of its answer buttons, in the screen's order, and nothing of
    // what the corrigé adds: no answer, tick, cross, numbered piece or turn, counted turn, rule or
    // landmark.
    QFETCH(int, series);
    const Document &sujet = document(series, Sujet);
    static const QRegularExpression mark(QStringLiteral(
        "réponse [A-Z0-9]|✔|✘|Pièce \\d|Assemblage|comptés|À surveiller|Règle :|l’aiguille indique|"
        "graduation vaut|/10 de la plus longue|Repère"));
    for (const QString &page : sujet.pages) {
        const QRegularExpressionMatch found = mark.match(page);
        QVERIFY2(!found.hasMatch(), qPrintable(found.captured(0)));
    }
    for (const TestDescriptor *test : Tests::All) {
        const QString section = titleOf(*test);
        const QMap<int, QString> &questions = questionsOf(series, Sujet, section);
        const int count = int(expectedAnswers(section).size());
        QCOMPARE(questions.size(), count);
        const bool reasoning = test == &ReasoningItems::Test;
        for (int question = 1; question <= count; ++question) {
            QStringList captions;
            if (reasoning) {
                for (const ReasoningItems::Caption &caption :
                    ReasoningItems::Items[size_t(question - 1)].captions)
                    captions.append(QString::fromUtf8(caption.text).simplified());
            } else if (test == &SpatialBank::Test) {
                // The letters of the figures, and those of the buttons.
                const QStringList words = questions.value(question).split(u' ');
                for (const QChar letter : QStringLiteral("ABCDE"))
                    QVERIFY2(words.count(letter) == 2, qPrintable(questions.value(question)));
            } else {
                // The buttons' captions as the screen shows them at that question.
                captions = { askedOnScreen(*test)[question - 1].captions.join(u' ') };
                if (test == &PathsBank::Test)
                    captions.prepend(PathsBank::Directions[size_t(question - 1)] == 'R'
                            ? QStringLiteral("A DROITE")
                            : QStringLiteral("A GAUCHE"));
            }
            // In the screen's order, but for the reasoning items, whose lines the text extraction
            // interleaves: there each caption's words are all there.
            const QString block = questions.value(question);
            for (const QString &caption : captions)
                QVERIFY2(reasoning ? containsWords(block, caption) : block.contains(caption),
                    qPrintable(QStringLiteral("%1, question %2: «%3» not in «%4»")
                                   .arg(section)
                                   .arg(question)
                                   .arg(caption, block)));
        }
    }
}

void tst_Booklet::sujetGivesTheScreensInstructions()
{
    // Each instruction screen's words, as the program shows them, on the page before its test in every
    // series' sujet: the title, the explanation, the example's captions and the time sentence at the
    // default limit. Only the line about the "Suivant" button has no place on paper. Blanks are left
    // out of the comparison: the page wraps its lines elsewhere than the screen, hyphens included.
    for (const TestDescriptor *test : Tests::All) {
        const QString screenName = QString::fromLatin1(test->instructionScreen);
        QStringList words;
        {
            Harness h;
            h.start();
            QWidget *screen = h.showAlone(screenName);
            QVERIFY(screen);
            for (const QLabel *label : screen->findChildren<QLabel *>()) {
                if (!label->text().isEmpty() && label->objectName() != QLatin1String("Label4")
                    && label->isVisibleTo(screen))
                    words.append(plain(label->text()));
            }
        }
        QVERIFY(words.size() >= 3);
        for (int series = 1; series <= Series::Count; ++series) {
            const QStringList &pages = document(series, Sujet).pages;
            QString page;
            for (const QString &candidate : pages) {
                if (runningTitle(candidate) == titleOf(*test))
                    page = candidate;
            }
            // A label whose terms stand apart, as the reasoning example's series, comes out in columns.
            for (int w = 0; w < words.size(); ++w)
                QVERIFY2(withoutBlanks(page).contains(withoutBlanks(words[w]))
                        || containsWords(page.simplified(), words[w].simplified()),
                    qPrintable(QStringLiteral("series %1, %2: «%3»").arg(series).arg(screenName, words[w])));
        }
        QVERIFY(tidyUpAfterTest().isEmpty());
    }
}

void tst_Booklet::datedFromTheSource()
{
    // The source's date (SOURCE_DATE_EPOCH, or the commit's), whatever the builder's clock and
    // time zone: two builds of one source give one file.
    const QString source = QStringLiteral(BOOKLET_SOURCE_DATE_EPOCH);
    if (source.isEmpty())
        QSKIP("built without a source date (no git, no SOURCE_DATE_EPOCH): the booklet has its drawing time");
    static const QRegularExpression created(
        QStringLiteral("^CreationDate: +(\\S+)$"), QRegularExpression::MultilineOption);
    for (const QString &file : BookletFiles) {
        const QRegularExpressionMatch match
            = created.match(run(QStringLiteral("pdfinfo"), { QStringLiteral("-isodates"), file }));
        QVERIFY2(match.hasMatch(), qPrintable(file + QStringLiteral(": pdfinfo reads no creation date")));
        QCOMPARE(QDateTime::fromString(match.captured(1), Qt::ISODate),
            QDateTime::fromSecsSinceEpoch(source.toLongLong(), Qt::UTC));
    }
}

QTEST_MAIN(tst_Booklet)
#include "tst_booklet.moc"
