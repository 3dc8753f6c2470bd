#include "booklet.h"

#include "bookletwriter.h"
#include "pdfnavigation.h"

#include <QBuffer>
#include <QSaveFile>

namespace Booklet {

namespace {

struct SectionEntry {
    const char *title;
    const char *summary;
    void (*draw)(BookletWriter &);
    int pages;
};

const SectionEntry Sections[] = {
    { "Test spatial", "60 questions : les pièces remises en place", spatialSection, SpatialLayout.pages() },
    { "Chemins", "30 parcours : chaque virage numéroté", pathSection, PathLayout.pages() },
    { "Test de raisonnement", "13 énoncés : la règle de chacun", reasoningSection, ReasoningLayout.pages() },
    { "Lecture de cadrans", "40 questions : le cadran demandé et sa lecture", dialSection,
        DialLayout.pages() },
    { "Estimation de longueurs", "30 questions : la règle graduée en dixièmes", lengthSection,
        LengthLayout.pages() },
};

void cover(BookletWriter &writer)
{
    writer.newPage();
    using French::typeset;
    constexpr double left = BookletWriter::Margin;
    constexpr double width = BookletWriter::ContentWidth;
    writer.text({ left, 60, width, 20 }, QStringLiteral("Simulation de Sélection Pilotes"), writer.font(16),
        Qt::AlignHCenter);
    writer.text(
        { left, 75, width, 20 }, QStringLiteral("Corrigé illustré"), writer.font(30, true), Qt::AlignHCenter);
    writer.text({ left, 92, width, 20 }, typeset(QStringLiteral("Les bonnes réponses et pourquoi")),
        writer.font(14, false, true), Qt::AlignHCenter);
    writer.painter().setPen(QPen(Qt::black, writer.mm(0.4)));
    writer.painter().drawLine(writer.mm(QPointF(left + 40, 108)), writer.mm(QPointF(left + width - 40, 108)));

    double top = 125;
    writer.text({ left, top, width, 10 }, QStringLiteral("Comment s'en servir"), writer.font(14, true));
    top += 11;
    const QStringList steps = {
        QStringLiteral(
            "1. Passez d'abord la simulation en entier, sans ce livret : il donne toutes les réponses."),
        QStringLiteral(
            "2. Notez, pendant ou juste après l'essai, les questions qui vous ont fait hésiter ; le "
            "programme ne garde rien de vos réponses."),
        QStringLiteral(
            "3. Cherchez ensuite chaque épreuve dans la table des matières (page 2) : chaque question "
            "y figure avec sa bonne réponse et un dessin qui montre pourquoi."),
        QStringLiteral("4. Les pièces, virages et repères portent un numéro ou une lettre en plus de leur "
                       "couleur : le livret se lit aussi imprimé en noir et blanc."),
        QStringLiteral("5. Refaites la simulation quelques jours plus tard : les questions sont les mêmes, "
                       "c'est la méthode qui doit devenir rapide."),
    };
    for (const QString &step : steps)
        top += writer.text({ left + 4, top, width - 8, 30 }, typeset(step), writer.font(11)) + 4;
}

void tableOfContents(BookletWriter &writer, const QVector<int> &firstPages)
{
    writer.newPage();
    double top = 40;
    writer.text({ BookletWriter::Margin, top, BookletWriter::ContentWidth, 12 },
        QStringLiteral("Table des matières"), writer.font(18, true));
    top += 18;
    for (size_t k = 0; k < std::size(Sections); ++k) {
        const QRectF line(BookletWriter::Margin, top, BookletWriter::ContentWidth, 14);
        writer.text(line, QString::fromUtf8(Sections[k].title), writer.font(13, true));
        writer.text(line, QString::number(firstPages[int(k)]), writer.font(13, true), Qt::AlignRight);
        writer.text(line.translated(6, 6.5), French::typeset(QString::fromUtf8(Sections[k].summary)),
            writer.font(10, false, true));
        writer.addLink(line, firstPages[int(k)]);
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

} // namespace

QString answerLine(int question, const QString &answer)
{
    return French::typeset(QStringLiteral("Question %1 : réponse %2").arg(question).arg(answer));
}

bool write(const QString &path, QString *error)
{
    // The table of contents comes before the sections it lists, so their first pages are worked out
    // from their lengths, and checked once they are drawn.
    QVector<int> firstPages;
    int page = 3; // after the cover and the table of contents
    for (const SectionEntry &section : Sections) {
        firstPages.append(page);
        page += section.pages;
    }

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    BookletWriter writer(&buffer);
    cover(writer);
    tableOfContents(writer, firstPages);
    for (const SectionEntry &section : Sections) {
        writer.beginSection(QString::fromUtf8(section.title));
        section.draw(writer);
    }
    QVector<int> drawnFirstPages;
    for (const BookletWriter::Section &section : writer.sections())
        drawnFirstPages.append(section.firstPage);
    if (drawnFirstPages != firstPages || writer.pageNumber() != page - 1) {
        *error = QStringLiteral("the sections do not take the pages the table of contents gives them");
        return false;
    }
    QVector<PdfNavigation::OutlineEntry> outline { { QStringLiteral("Comment s'en servir"), 0 },
        { QStringLiteral("Table des matières"), 1 } };
    for (const BookletWriter::Section &section : writer.sections())
        outline.append({ section.title, section.firstPage - 1 });
    QVector<PdfNavigation::PageLink> links;
    for (const BookletWriter::Link &link : writer.links())
        links.append({ link.page - 1, inPoints(link.area), link.target - 1 });
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
