// The answer booklet as a reader gets it: its text extracted with poppler's pdftotext, question by
// question against the tables that score the tests and the geometry of the pictures, and its outline
// and contents links.
#include "spatialpuzzles.h"

#include "dials/dialbank.h"
#include "lengths/lengthtable.h"
#include "paths/pathtable.h"
#include "reasoning/reasoningitems.h"
#include "spatial/spatialkey.h"

#include <QLocale>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

namespace {

const QString BookletFile = QStringLiteral(BOOKLET_PATH);

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

const QStringList SectionTitles
    = { QStringLiteral("Test spatial"), QStringLiteral("Chemins"), QStringLiteral("Test de raisonnement"),
          QStringLiteral("Lecture de cadrans"), QStringLiteral("Estimation de longueurs") };

// What a page's running title says, after the booklet's own title; empty for the cover and the contents.
QString runningTitle(const QString &page)
{
    const QStringList lines = page.split(u'\n', Qt::SkipEmptyParts);
    return lines.value(0) == QStringLiteral("Corrigé illustré") ? lines.value(1) : QString();
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

// The pages of the booklet as text.
QStringList pages()
{
    return plain(run(QStringLiteral("pdftotext"), { BookletFile, QStringLiteral("-") })).split(u'\f');
}

// The text of each question of the pages of `section`, by number, on one line: the part of its page
// from its "Question n" line down to the next one below, across to the next one on the right. Text
// extraction alone may put a column of one question after the next question.
QMap<int, QString> questionTexts(const QStringList &pages, const QString &section)
{
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    static const QRegularExpression size(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\""));
    struct Header {
        int question;
        QPointF at;
    };
    QMap<int, QString> texts;
    for (int page = 1; page <= pages.size(); ++page) {
        if (sectionOf(pages[page - 1]) != section)
            continue;
        const QStringList thisPage
            = { QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page) };
        const QString boxes = run(QStringLiteral("pdftotext"),
            QStringList { QStringLiteral("-bbox") } + thisPage
                + QStringList { BookletFile, QStringLiteral("-") });
        const QRegularExpressionMatch pageSize = size.match(boxes);
        QVector<Header> headers;
        QString previous;
        for (auto words = word.globalMatch(boxes); words.hasNext();) {
            const QRegularExpressionMatch match = words.next();
            if (previous == QLatin1String("Question") && match.captured(3).toInt() > 0)
                headers.append({ match.captured(3).toInt(),
                    { match.captured(1).toDouble(), match.captured(2).toDouble() } });
            previous = match.captured(3);
        }
        for (const Header &header : headers) {
            double right = pageSize.captured(1).toDouble();
            double bottom = pageSize.captured(2).toDouble();
            for (const Header &other : headers) {
                if (std::abs(other.at.y() - header.at.y()) < 2 && other.at.x() > header.at.x())
                    right = std::min(right, other.at.x());
                if (std::abs(other.at.x() - header.at.x()) < 2 && other.at.y() > header.at.y())
                    bottom = std::min(bottom, other.at.y());
            }
            const QString text = run(QStringLiteral("pdftotext"),
                thisPage
                    + QStringList { QStringLiteral("-x"), QString::number(int(header.at.x())),
                        QStringLiteral("-y"), QString::number(int(header.at.y())), QStringLiteral("-W"),
                        QString::number(int(right - header.at.x())), QStringLiteral("-H"),
                        QString::number(int(bottom - header.at.y())), BookletFile, QStringLiteral("-") });
            texts.insert(header.question, plain(text).simplified());
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

QStringList expectedAnswers(const QString &section)
{
    QStringList answers;
    if (section == SectionTitles[0]) {
        for (int value : SpatialKey::AnswerValues)
            answers.append(QString(QLatin1Char(SpatialKey::letterOf(value))));
    } else if (section == SectionTitles[1]) {
        for (int count : PathTable::Counts)
            answers.append(QString::number(count));
    } else if (section == SectionTitles[2]) {
        for (const ReasoningItems::Item &item : ReasoningItems::Items)
            answers.append(QString::fromLatin1(item.key.data(), int(item.key.size())));
    } else if (section == SectionTitles[3]) {
        for (int question = 1; question <= DialBank::QuestionCount; ++question)
            answers.append(dialValue(DialBank::rightValue(question)));
    } else {
        for (int answer : LengthTable::AnswerKey)
            answers.append(QString::number(answer));
    }
    return answers;
}

// The page whose running title is `title`, laid out as printed; empty when there is none.
QString layoutOfPage(const QStringList &pages, const QString &title)
{
    for (int k = 0; k < pages.size(); ++k) {
        if (runningTitle(pages[k]) == title)
            return plain(run(QStringLiteral("pdftotext"),
                { QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(k + 1),
                    QStringLiteral("-l"), QString::number(k + 1), BookletFile, QStringLiteral("-") }));
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

class tst_Booklet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void printedAnswersAreTheKeys_data();
    void printedAnswersAreTheKeys();
    void statedTurnsAssembleThePieces_data();
    void statedTurnsAssembleThePieces();
    void everyPathCountsTheTurnsItMarks();
    void everyDialMarksTheKeyedButton();
    void outlineAndContentsLeadToTheSections();
    void datedFromTheSource();

private:
    // Each question's text in a section, read once.
    const QMap<int, QString> &questionsOf(const QString &section);

    QStringList text;
    QMap<QString, QMap<int, QString>> questionText;
};

const QMap<int, QString> &tst_Booklet::questionsOf(const QString &section)
{
    if (!questionText.contains(section))
        questionText.insert(section, questionTexts(text, section));
    return questionText[section];
}

void tst_Booklet::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
        "pdftotext (poppler-utils) is needed");
    text = pages();
    QVERIFY2(text.size() > 40, qPrintable(QStringLiteral("%1 pages read").arg(text.size())));
}

void tst_Booklet::printedAnswersAreTheKeys_data()
{
    // Besides the answer line, the explanation that names the answer again, where there is one.
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("explanation");
    // Spatial: the assembled figure, and the right figure each wrong one is compared with.
    QTest::newRow("spatial") << SectionTitles[0] << QStringLiteral("figure ([A-E])");
    QTest::newRow("paths") << SectionTitles[1] << QString();
    QTest::newRow("reasoning") << SectionTitles[2] << QString();
    QTest::newRow("dials") << SectionTitles[3] << QStringLiteral("l’aiguille indique (\\S+)\\.");
    QTest::newRow("lengths") << SectionTitles[4] << QStringLiteral("mesure (\\d+)/10 de la plus longue");
}

void tst_Booklet::printedAnswersAreTheKeys()
{
    QFETCH(QString, section);
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
        const QMap<int, QString> &questions = questionsOf(section);
        QCOMPARE(questions.size(), expected.size());
        for (int question = 1; question <= expected.size(); ++question) {
            auto matches = pattern.globalMatch(questions.value(question));
            QVERIFY2(matches.hasNext(), qPrintable(questions.value(question)));
            while (matches.hasNext())
                QCOMPARE(matches.next().captured(1), expected[question - 1]);
        }
    }

    // The one-page key.
    const QMap<int, QString> key = keyAnswers(layoutOfPage(text, QStringLiteral("Corrigé express")), section);
    QCOMPARE(key.size(), expected.size());
    for (int question = 1; question <= expected.size(); ++question)
        QCOMPARE(key.value(question), expected[question - 1]);
}

void tst_Booklet::statedTurnsAssembleThePieces_data()
{
    QTest::addColumn<int>("question");
    for (int question = 1; question <= SpatialKey::QuestionCount; ++question)
        QTest::addRow("question %d", question) << question;
}

void tst_Booklet::statedTurnsAssembleThePieces()
{
    // Each loose piece, as drawn, turned the way its line says, must lie as its piece does in the right
    // figure: corner for corner, once their centres are put together.
    QFETCH(int, question);
    const QString block = questionsOf(SectionTitles[0]).value(question);
    QVERIFY2(!block.isEmpty(), "question not found");

    const SpatialPuzzles::Puzzle puzzle = SpatialPuzzles::puzzle(question);
    const SpatialPuzzles::Candidate &right = puzzle.candidates[size_t(puzzle.answer - 1)];
    static const QRegularExpression turnLine(QStringLiteral(
        "Pièce (\\d) : (sans rotation|à tourner d’un demi-tour \\(180°\\)|à tourner de (\\d+)° \\(sens "
        "(horaire|antihoraire)\\))"));
    int stated = 0;
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
        const QPolygonF placed = right.placement.map(right.figure.pieces[loose.piece].outline);
        // y grows downwards: a positive angle turns clockwise on the page.
        const QPolygonF turned = QTransform().rotate(clockwise).map(loose.shown);
        const QPointF shift = SpatialGeometry::centroid(placed) - SpatialGeometry::centroid(turned);
        QCOMPARE(turned.size(), placed.size());
        for (int corner = 0; corner < placed.size(); ++corner) {
            const QPointF gap = turned[corner] + shift - placed[corner];
            QVERIFY2(std::hypot(gap.x(), gap.y()) < 1,
                qPrintable(
                    QStringLiteral("piece %1 turned %2° does not lie in place").arg(piece).arg(clockwise)));
        }
    }
    QCOMPARE(stated, puzzle.loosePieces.size());
}

void tst_Booklet::everyPathCountsTheTurnsItMarks()
{
    // The turns listed are those the booklet numbered on the drawn path, so their number is the
    // drawing's answer, not the table's.
    static const QRegularExpression counted(QStringLiteral("comptés \\(en noir\\) : ([0-9, ]+)"));
    const QVector<QRegularExpressionMatch> found = matchesIn(text, SectionTitles[1], counted);
    QCOMPARE(found.size(), PathTable::QuestionCount);
    for (int k = 0; k < found.size(); ++k)
        QCOMPARE(
            found[k].captured(1).trimmed().split(QStringLiteral(", ")).size(), PathTable::Counts[size_t(k)]);
}

void tst_Booklet::everyDialMarksTheKeyedButton()
{
    static const QRegularExpression marked(QStringLiteral("✔ bouton (\\d)"));
    const QVector<QRegularExpressionMatch> found = matchesIn(text, SectionTitles[3], marked);
    QCOMPARE(found.size(), DialBank::QuestionCount);
    for (int k = 0; k < found.size(); ++k)
        QCOMPARE(found[k].captured(1).toInt(), DialBank::AnswerKey[size_t(k)]);

    // The traps the method page quotes are offered beside the right value of some question.
    static const QRegularExpression quoted(QStringLiteral("\\((\\S+) proposé pour (\\S+)\\)"));
    int quotes = 0;
    for (const QString &page : text) {
        for (auto matches = quoted.globalMatch(page); matches.hasNext(); ++quotes) {
            const QRegularExpressionMatch match = matches.next();
            bool offered = false;
            for (int question = 1; question <= DialBank::QuestionCount; ++question) {
                QStringList values;
                for (const double value : DialBank::ChoiceValues[size_t(question - 1)])
                    values.append(dialValue(value));
                offered = offered
                    || (dialValue(DialBank::rightValue(question)) == match.captured(2)
                        && values.contains(match.captured(1)));
            }
            QVERIFY2(offered, qPrintable(match.captured(0)));
        }
    }
    QCOMPARE(quotes, 2);
}

void tst_Booklet::outlineAndContentsLeadToTheSections()
{
    // The outline comes whole with the first pages, which hold the table of contents.
    const QString xml = run(QStringLiteral("pdftohtml"),
        { QStringLiteral("-xml"), QStringLiteral("-stdout"), QStringLiteral("-i"), QStringLiteral("-q"),
            QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("2"),
            BookletFile });
    QVERIFY(!xml.isEmpty());
    static const QRegularExpression item(QStringLiteral("<item page=\"(\\d+)\">([^<]+)</item>"));
    static const QRegularExpression questionItem(QStringLiteral("^Question (\\d+)$"));
    // Each section's entry, and under it a bookmark per question, leading to the page that answers it.
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
        QVERIFY2(text.value(page - 1).contains(QStringLiteral("%1 : réponse").arg(match.captured(2))),
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

void tst_Booklet::datedFromTheSource()
{
    // The source's date (SOURCE_DATE_EPOCH, or the commit's), whatever the builder's clock and
    // time zone: two builds of one source give one file.
    const QString source = QStringLiteral(BOOKLET_SOURCE_DATE_EPOCH);
    if (source.isEmpty())
        QSKIP("built without a source date (no git, no SOURCE_DATE_EPOCH): the booklet has its drawing time");
    static const QRegularExpression created(
        QStringLiteral("^CreationDate: +(\\S+)$"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match
        = created.match(run(QStringLiteral("pdfinfo"), { QStringLiteral("-isodates"), BookletFile }));
    QVERIFY2(match.hasMatch(), "pdfinfo reads no creation date");
    QCOMPARE(QDateTime::fromString(match.captured(1), Qt::ISODate),
        QDateTime::fromSecsSinceEpoch(source.toLongLong(), Qt::UTC));
}

QTEST_GUILESS_MAIN(tst_Booklet)
#include "tst_booklet.moc"
