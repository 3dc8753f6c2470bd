#include "booklet.h"

#include "bookletwriter.h"
#include "pdfnavigation.h"
#include "series.h"
#include "testlist.h"
#include "timelimit.h"

#include <QBuffer>
#include <QSaveFile>

#include <functional>

namespace Booklet {

namespace {

// The booklets' sections in the order of the tests; a test without one is an error of the build.
QVector<const TestEntry *> testEntries()
{
    QVector<const TestEntry *> entries;
    for (const TestDescriptor *test : Tests::All)
        entries.append(&TestRegistry<TestEntry>::of(*test, "booklet section"));
    return entries;
}

QString titleOf(const TestEntry &entry)
{
    return QString::fromUtf8(entry.test.instructionTitle);
}

// The pages after the front pages, in order, with what the table of contents says of each part.
struct Part {
    QString title;
    QString summary;
    int pages;
    std::function<void(BookletWriter &, const QVector<int> &firstPages)> draw;
};

const QString ScoreTitle = QStringLiteral("Lire son score");
const QString KeyTitle = QStringLiteral("Corrigé express");
const QString SheetTitle = QStringLiteral("Feuille de réponses");

QString seriesName(int series)
{
    return QStringLiteral("Série %1").arg(series);
}

QVector<TestAnswers> testAnswers()
{
    QVector<TestAnswers> answers;
    for (const TestEntry *entry : testEntries())
        answers.append({ titleOf(*entry), entry->answers(), entry->test.keyColumns });
    return answers;
}

QVector<Part> corrigeParts(int series)
{
    const QVector<TestAnswers> answers = testAnswers();
    // The key is the last part.
    QVector<Part> list { { ScoreTitle, QStringLiteral("les points, et ce qu’un second essai montre"), 1,
        [answers, series](BookletWriter &writer, const QVector<int> &firstPages) {
            scorePage(writer, answers, firstPages.last(), series);
        } } };
    for (const TestEntry *entry : testEntries()) {
        const TestEntry &test = *entry;
        list.append({ titleOf(test),
            QStringLiteral("méthode, puis ")
                + QString::fromUtf8(test.test.bookletSummary).arg(test.layout.questions),
            1 + test.layout.pages(), [&test, series](BookletWriter &writer, const QVector<int> &) {
                methodPage(writer, titleOf(test), test.method(), test.layout.questions);
                writer.newPage();
                test.draw(writer, series);
            } });
    }
    list.append({ KeyTitle, QStringLiteral("les %1 réponses sur une page").arg(Tests::maximumScore()), 1,
        [answers](BookletWriter &writer, const QVector<int> &) { keyPage(writer, answers); } });
    return list;
}

QVector<Part> sujetParts(int series)
{
    QVector<Part> list;
    for (const TestEntry *entry : testEntries()) {
        const TestEntry &test = *entry;
        list.append({ titleOf(test), QStringLiteral("%1 questions").arg(test.paperLayout.questions),
            1 + test.paperLayout.pages(),
            [&test, series](BookletWriter &writer, const QVector<int> &firstPages) {
                instructionPage(writer, test.test, firstPages.last());
                writer.newPage();
                test.drawPaper(writer, series);
            } });
    }
    const QVector<TestAnswers> answers = testAnswers();
    list.append({ SheetTitle, QStringLiteral("une case par question"), 1,
        [answers](BookletWriter &writer, const QVector<int> &) { answerSheet(writer, answers); } });
    return list;
}

double coverTitle(BookletWriter &writer, const QString &title, const QString &subtitle, int series)
{
    constexpr double left = BookletWriter::Margin;
    constexpr double width = BookletWriter::ContentWidth;
    writer.text({ left, 50, width, 20 }, QStringLiteral("Simulation de Sélection Pilotes"), writer.font(16),
        Qt::AlignHCenter);
    writer.text({ left, 65, width, 20 }, title, writer.font(30, true), Qt::AlignHCenter);
    writer.text({ left, 82, width, 20 }, seriesName(series), writer.font(20, true), Qt::AlignHCenter);
    writer.text(
        { left, 95, width, 20 }, French::typeset(subtitle), writer.font(14, false, true), Qt::AlignHCenter);
    writer.painter().setPen(QPen(Qt::black, writer.mm(0.4)));
    writer.painter().drawLine(writer.mm(QPointF(left + 40, 108)), writer.mm(QPointF(left + width - 40, 108)));
    return 118;
}

double steps(BookletWriter &writer, const QString &heading, const QStringList &list, double top)
{
    constexpr double left = BookletWriter::Margin;
    constexpr double width = BookletWriter::ContentWidth;
    writer.text({ left, top, width, 10 }, heading, writer.font(14, true));
    top += 11;
    for (const QString &step : list)
        top += writer.text({ left + 4, top, width - 8, 30 }, French::typeset(step), writer.font(11)) + 4;
    return top;
}

// The same in every series, so that a reader of two series does not look for a difference there.
QString sameInEverySeries()
{
    return QStringLiteral(
        "La question 1 de chaque test et les exemples des consignes sont les mêmes dans toutes les séries ; "
        "les autres questions changent d’une série à l’autre, leurs réponses restent celles du corrigé "
        "express.");
}

void corrigeCover(BookletWriter &writer, int series, const QVector<int> &firstPages)
{
    double top = coverTitle(
        writer, QStringLiteral("Corrigé illustré"), QStringLiteral("Méthodes, réponses et pourquoi"), series);
    const int keyPage = firstPages.last();
    top = steps(writer, QStringLiteral("Comment s’en servir"),
        {
            QStringLiteral("1. Passez d’abord les tests en entier, sans ce livret : il donne toutes les "
                           "réponses. Sur papier, prenez le sujet de la même série (%1) ; il se termine par "
                           "la feuille de réponses.")
                .arg(documentName(Kind::Sujet, series)),
            QStringLiteral("2. Vérifiez l’essai d’un coup d’œil avec le corrigé express (page %1) ; la page "
                           "« %2 » (page %3) dit ce que le total montre, et ce qu’il ne montre pas.")
                .arg(keyPage)
                .arg(ScoreTitle)
                .arg(firstPages.first()),
            QStringLiteral(
                "3. Avant les réponses de chaque test, une page de méthode dit ce qu’il mesure, comment "
                "travailler, ses pièges et le temps dont vous disposez par question."),
            QStringLiteral(
                "4. Reprenez chaque question manquée : elle figure dans son test avec sa bonne réponse et "
                "un dessin qui montre pourquoi (table des matières, page 2)."),
            QStringLiteral(
                "5. Les pièces, virages et repères portent un numéro ou une lettre en plus de leur "
                "couleur : le livret se lit aussi imprimé en noir et blanc."),
        },
        top);
    writer.text({ BookletWriter::Margin, top + 2, BookletWriter::ContentWidth, 20 },
        French::typeset(QStringLiteral("%1 : ").arg(seriesName(series)) + sameInEverySeries()),
        writer.font(11, false, true));
}

void sujetCover(BookletWriter &writer, int series, const QVector<Part> &list, const QVector<int> &firstPages)
{
    double top = coverTitle(
        writer, QStringLiteral("Sujet"), QStringLiteral("Les cinq tests, pour un essai sur papier"), series);
    top = steps(writer, QStringLiteral("Comment passer l’essai"),
        {
            QStringLiteral("1. Imprimez ce sujet, la feuille de réponses comprise (page %1), et prévoyez un "
                           "chronomètre et un crayon.")
                .arg(firstPages.last()),
            QStringLiteral("2. Chaque test commence par une page de consignes, celles de l’écran du "
                           "programme ; lisez-la sans compter le temps, puis lancez le chronomètre : %1 "
                           "pour le test, comme le programme par défaut.")
                .arg(DefaultTimeLimit == 120 ? QStringLiteral("2 minutes")
                                             : QStringLiteral("%1 secondes").arg(DefaultTimeLimit)),
            QStringLiteral("3. Répondez dans l’ordre, une case de la feuille par question, sans revenir en "
                           "arrière : le programme ne le permet pas. Au signal, arrêtez-vous là où vous en "
                           "êtes et passez au test suivant."),
            QStringLiteral("4. Corrigez avec le corrigé de la même série (%1) : un point par bonne réponse.")
                .arg(documentName(Kind::Corrige, series)),
        },
        top);
    top += 4;
    writer.text({ BookletWriter::Margin, top, BookletWriter::ContentWidth, 10 }, QStringLiteral("Les tests"),
        writer.font(14, true));
    top += 11;
    for (int k = 0; k < list.size(); ++k) {
        const QRectF line(BookletWriter::Margin + 4, top, BookletWriter::ContentWidth - 8, 8);
        writer.text(line, list[k].title, writer.font(12, true));
        writer.text(line.adjusted(70, 0.6, 0, 0), list[k].summary, writer.font(11));
        writer.text(
            line, QStringLiteral("page %1").arg(firstPages[k]), writer.font(12, true), Qt::AlignRight);
        writer.addLink(line, firstPages[k]);
        top += 8;
    }
    writer.text({ BookletWriter::Margin, top + 4, BookletWriter::ContentWidth, 20 },
        French::typeset(QStringLiteral("%1 : ").arg(seriesName(series)) + sameInEverySeries()),
        writer.font(11, false, true));
}

void tableOfContents(BookletWriter &writer, const QVector<Part> &list, const QVector<int> &firstPages)
{
    writer.newPage();
    double top = 40;
    writer.text({ BookletWriter::Margin, top, BookletWriter::ContentWidth, 12 },
        QStringLiteral("Table des matières"), writer.font(18, true));
    top += 18;
    for (int k = 0; k < list.size(); ++k) {
        const QRectF line(BookletWriter::Margin, top, BookletWriter::ContentWidth, 14);
        writer.text(line, list[k].title, writer.font(13, true));
        writer.text(line, QString::number(firstPages[k]), writer.font(13, true), Qt::AlignRight);
        writer.text(line.translated(6, 6.5), French::typeset(list[k].summary), writer.font(10, false, true));
        writer.addLink(line, firstPages[k]);
        top += 18;
    }
}

// Millimetres from the top left to PDF points from the bottom left.
QRectF inPoints(const QRectF &millimetres)
{
    constexpr double pointsPerMm = 72 / 25.4;
    return { millimetres.left() * pointsPerMm,
        (BookletWriter::PageHeight - millimetres.bottom()) * pointsPerMm, millimetres.width() * pointsPerMm,
        millimetres.height() * pointsPerMm };
}

QVector<PdfNavigation::OutlineEntry> outlineOf(
    const BookletWriter &writer, const QVector<PdfNavigation::OutlineEntry> &front)
{
    QVector<PdfNavigation::OutlineEntry> outline = front;
    for (const BookletWriter::Section &section : writer.sections()) {
        PdfNavigation::OutlineEntry entry { section.title, section.firstPage - 1, -1, {} };
        for (const BookletWriter::Question &question : section.questions)
            entry.children.append({ QStringLiteral("Question %1").arg(question.number), question.page - 1,
                inPoints({ 0, question.top - 3, 0, 0 }).top(), {} });
        outline.append(entry);
    }
    return outline;
}

} // namespace

QString answerLine(int question, const QString &answer)
{
    return French::typeset(QStringLiteral("Question %1 : réponse %2").arg(question).arg(answer));
}

QString documentName(Kind kind, int series)
{
    return QStringLiteral("%1-selection-pilotes%2.pdf")
        .arg(kind == Kind::Sujet ? QStringLiteral("sujet") : QStringLiteral("corrige"))
        .arg(series == Series::Own ? QString() : QStringLiteral("-serie-%1").arg(series));
}

bool write(const QString &path, Kind kind, int series, QString *error)
{
    if (series < 1 || series > Series::Count) {
        *error = QStringLiteral("no series %1: the series run from 1 to %2").arg(series).arg(Series::Count);
        return false;
    }
    const bool sujet = kind == Kind::Sujet;
    // The front pages list the parts before they are drawn, so their first pages are worked out from
    // their lengths, and checked once they are drawn.
    const QVector<Part> list = sujet ? sujetParts(series) : corrigeParts(series);
    const int frontPages = sujet ? 1 : 2;
    QVector<int> firstPages;
    int page = frontPages + 1;
    for (const Part &part : list) {
        firstPages.append(page);
        page += part.pages;
    }

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const QString title = sujet ? QStringLiteral("Sujet") : QStringLiteral("Corrigé illustré");
    BookletWriter writer(&buffer, QStringLiteral("%1 – %2").arg(title, seriesName(series)),
        QStringLiteral("%1 – %2 – Simulation de Sélection Pilotes").arg(title, seriesName(series)));
    QVector<PdfNavigation::OutlineEntry> front;
    if (sujet) {
        writer.newPage();
        sujetCover(writer, series, list, firstPages);
        front.append({ QStringLiteral("Comment passer l’essai"), 0, -1, {} });
    } else {
        writer.newPage();
        corrigeCover(writer, series, firstPages);
        tableOfContents(writer, list, firstPages);
        front.append({ QStringLiteral("Comment s’en servir"), 0, -1, {} });
        front.append({ QStringLiteral("Table des matières"), 1, -1, {} });
    }
    for (const Part &part : list) {
        writer.beginSection(part.title);
        part.draw(writer, firstPages);
    }

    QVector<int> drawnFirstPages;
    for (const BookletWriter::Section &section : writer.sections())
        drawnFirstPages.append(section.firstPage);
    if (drawnFirstPages != firstPages || writer.pageNumber() != page - 1) {
        *error = QStringLiteral("the parts do not take the pages the front pages give them");
        return false;
    }
    QVector<PdfNavigation::PageLink> links;
    for (const BookletWriter::Link &link : writer.links())
        links.append({ link.page - 1, inPoints(link.area), link.target - 1 });
    const QVector<PdfNavigation::OutlineEntry> outline = outlineOf(writer, front);
    if (!writer.finish()) {
        *error = QStringLiteral("the PDF could not be drawn");
        return false;
    }

    QByteArray pdf = buffer.data();
    PdfNavigation::fixCreationDate(pdf);
    if (!PdfNavigation::add(pdf, outline, links, error))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.commit()) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace Booklet
