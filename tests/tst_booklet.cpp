// The answer booklet as a reader gets it: its text extracted with poppler's pdftotext, question by
// question against the tables that score the tests, and its outline and contents links.
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

// The pages of the booklet as text, with blanks of every kind made plain spaces.
QStringList pages()
{
    QString text = run(QStringLiteral("pdftotext"), { BookletFile, QStringLiteral("-") });
    text.replace(QChar(0x00A0), u' ').replace(QChar(0x202F), u' ');
    return text.split(u'\f');
}

// The section a page belongs to, by the running title at its top; empty for the cover and the contents.
QString sectionOf(const QString &page)
{
    if (!page.contains(QStringLiteral("Question ")))
        return {};
    const QString header = page.left(120);
    for (const QString &title : SectionTitles) {
        if (header.contains(title))
            return title;
    }
    return {};
}

QString dialValue(double value)
{
    QLocale french(QLocale::French, QLocale::France);
    french.setNumberOptions(QLocale::OmitGroupSeparator);
    return french.toString(value);
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
    void everyPathCountsTheTurnsItMarks();
    void everyDialMarksTheKeyedButton();
    void outlineAndContentsLeadToTheSections();

private:
    QStringList text;
};

void tst_Booklet::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
        "pdftotext (poppler-utils) is needed");
    text = pages();
    QVERIFY2(text.size() > 40, qPrintable(QStringLiteral("%1 pages read").arg(text.size())));
}

void tst_Booklet::printedAnswersAreTheKeys_data()
{
    QTest::addColumn<QString>("section");
    for (const QString &title : SectionTitles)
        QTest::newRow(qPrintable(title)) << title;
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
    QMap<QString, int> outline;
    for (auto matches = item.globalMatch(xml); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        outline.insert(match.captured(2), match.captured(1).toInt());
    }
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

QTEST_GUILESS_MAIN(tst_Booklet)
#include "tst_booklet.moc"
