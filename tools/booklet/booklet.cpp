#include "booklet.h"

#include "bookletmethod.h"
#include "bookletwriter.h"
#include "pdfnavigation.h"

#include <QBuffer>
#include <QSaveFile>

namespace Booklet {

namespace {

struct TestEntry {
    const char *title;
    const char *summary; // %1: the number of questions
    Method (*method)();
    SectionLayout layout;
    void (*draw)(BookletWriter &);
    QStringList (*answers)();
    int keyColumns; // in the key and the answer sheet
};

const TestEntry Tests[] = {
    { "Test spatial", "%1 questions : les pièces remises en place", spatialMethod, SpatialLayout,
        spatialSection, spatialAnswers, 10 },
    { "Chemins", "%1 parcours : chaque virage numéroté", pathMethod, PathLayout, pathSection, pathAnswers,
        10 },
    { "Test de raisonnement", "%1 énoncés : la règle de chacun", reasoningMethod, ReasoningLayout,
        reasoningSection, reasoningAnswers, 5 },
    { "Lecture de cadrans", "%1 questions : le cadran demandé, sa graduation et les pièges", dialMethod,
        DialLayout, dialSection, dialAnswers, 8 },
    { "Estimation de longueurs", "%1 questions : la règle graduée en dixièmes", lengthMethod, LengthLayout,
        lengthSection, lengthAnswers, 10 },
};

// The pages in order, with what the table of contents says of each part.
struct Part {
    QString title;
    QString summary;
    int pages;
};

const QString ScoreTitle = QStringLiteral("Lire son score");
const QString KeyTitle = QStringLiteral("Corrigé express");
const QString SheetTitle = QStringLiteral("Feuille de réponses");
constexpr int FirstPartPage = 3; // after the cover and the table of contents

QVector<Part> parts()
{
    QVector<Part> list { { ScoreTitle, QStringLiteral("les points, et ce qu’un second essai montre"), 1 } };
    for (const TestEntry &test : Tests)
        list.append({ QString::fromUtf8(test.title),
            QStringLiteral("méthode, puis ") + QString::fromUtf8(test.summary).arg(test.layout.questions),
            1 + test.layout.pages() });
    int total = 0;
    for (const TestEntry &test : Tests)
        total += test.layout.questions;
    list.append({ KeyTitle, QStringLiteral("les %1 réponses sur une page").arg(total), 1 });
    list.append({ SheetTitle, QStringLiteral("la même grille, vide, pour un essai sur papier"), 1 });
    return list;
}

void cover(BookletWriter &writer, const QVector<int> &firstPages)
{
    writer.newPage();
    using French::typeset;
    constexpr double left = BookletWriter::Margin;
    constexpr double width = BookletWriter::ContentWidth;
    writer.text({ left, 60, width, 20 }, QStringLiteral("Simulation de Sélection Pilotes"), writer.font(16),
        Qt::AlignHCenter);
    writer.text(
        { left, 75, width, 20 }, QStringLiteral("Corrigé illustré"), writer.font(30, true), Qt::AlignHCenter);
    writer.text({ left, 92, width, 20 }, typeset(QStringLiteral("Méthodes, réponses et pourquoi")),
        writer.font(14, false, true), Qt::AlignHCenter);
    writer.painter().setPen(QPen(Qt::black, writer.mm(0.4)));
    writer.painter().drawLine(writer.mm(QPointF(left + 40, 108)), writer.mm(QPointF(left + width - 40, 108)));

    double top = 125;
    writer.text({ left, top, width, 10 }, QStringLiteral("Comment s’en servir"), writer.font(14, true));
    top += 11;
    const int keyPage = firstPages[firstPages.size() - 2];
    const QStringList steps = {
        QStringLiteral(
            "1. Passez d’abord la simulation en entier, sans ce livret : il donne toutes les réponses."),
        QStringLiteral(
            "2. Vérifiez l’essai d’un coup d’œil avec le corrigé express (page %1) ; la page « %2 » "
            "(page %3) dit ce que le total montre, et ce qu’il ne montre pas.")
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
            "5. Pour un essai sur papier, imprimez la feuille de réponses (page %1) et répondez avec les "
            "images de ce livret, les réponses cachées.")
            .arg(firstPages.last()),
        QStringLiteral(
            "6. Les pièces, virages et repères portent un numéro ou une lettre en plus de leur couleur : "
            "le livret se lit aussi imprimé en noir et blanc."),
    };
    for (const QString &step : steps)
        top += writer.text({ left + 4, top, width - 8, 30 }, typeset(step), writer.font(11)) + 4;
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

QVector<PdfNavigation::OutlineEntry> outlineOf(const BookletWriter &writer)
{
    QVector<PdfNavigation::OutlineEntry> outline { { QStringLiteral("Comment s’en servir"), 0, -1, {} },
        { QStringLiteral("Table des matières"), 1, -1, {} } };
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

bool write(const QString &path, QString *error)
{
    // The table of contents comes before the parts it lists, so their first pages are worked out from
    // their lengths, and checked once they are drawn.
    const QVector<Part> list = parts();
    QVector<int> firstPages;
    int page = FirstPartPage;
    for (const Part &part : list) {
        firstPages.append(page);
        page += part.pages;
    }
    QVector<TestAnswers> answers;
    for (const TestEntry &test : Tests)
        answers.append({ QString::fromUtf8(test.title), test.answers(), test.keyColumns });

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    BookletWriter writer(&buffer);
    cover(writer, firstPages);
    tableOfContents(writer, list, firstPages);
    writer.beginSection(ScoreTitle);
    scorePage(writer, answers, firstPages[firstPages.size() - 2], firstPages.last());
    for (const TestEntry &test : Tests) {
        writer.beginSection(QString::fromUtf8(test.title));
        methodPage(writer, QString::fromUtf8(test.title), test.method(), test.layout.questions);
        writer.newPage();
        test.draw(writer);
    }
    writer.beginSection(KeyTitle);
    keyPage(writer, answers);
    writer.beginSection(SheetTitle);
    answerSheet(writer, answers);

    QVector<int> drawnFirstPages;
    for (const BookletWriter::Section &section : writer.sections())
        drawnFirstPages.append(section.firstPage);
    if (drawnFirstPages != firstPages || writer.pageNumber() != page - 1) {
        *error = QStringLiteral("the parts do not take the pages the table of contents gives them");
        return false;
    }
    QVector<PdfNavigation::PageLink> links;
    for (const BookletWriter::Link &link : writer.links())
        links.append({ link.page - 1, inPoints(link.area), link.target - 1 });
    const QVector<PdfNavigation::OutlineEntry> outline = outlineOf(writer);
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
