#include "pdfnavigation.h"

#include <QDateTime>
#include <QMap>
#include <QRegularExpression>

#include <optional>
#include <utility>

namespace PdfNavigation {

namespace {

// The offsets of the objects, from the cross-reference table at `startxref`.
bool readCrossReferences(const QByteArray &pdf, qint64 start, QMap<int, qint64> *offsets)
{
    static const QRegularExpression subsection(QStringLiteral("^(\\d+) (\\d+)\\s*$"));
    static const QRegularExpression entry(QStringLiteral("^(\\d{10}) (\\d{5}) ([nf])"));
    if (!pdf.mid(start, 4).startsWith("xref"))
        return false;
    const QList<QByteArray> lines = pdf.mid(start).split('\n');
    int line = 1;
    while (line < lines.size()) {
        const QRegularExpressionMatch header = subsection.match(QString::fromLatin1(lines[line]));
        if (!header.hasMatch())
            break;
        const int first = header.captured(1).toInt();
        const int count = header.captured(2).toInt();
        for (int k = 0; k < count; ++k) {
            const QRegularExpressionMatch row = entry.match(QString::fromLatin1(lines.value(line + 1 + k)));
            if (!row.hasMatch())
                return false;
            if (row.captured(3) == u'n')
                offsets->insert(first + k, row.captured(1).toLongLong());
        }
        line += 1 + count;
    }
    return !offsets->isEmpty();
}

// The text of object `number`, between "obj" and "endobj".
QByteArray objectBody(const QByteArray &pdf, const QMap<int, qint64> &offsets, int number)
{
    const qint64 offset = offsets.value(number, -1);
    if (offset < 0)
        return {};
    const QByteArray header = QByteArray::number(number) + " 0 obj";
    if (pdf.mid(offset, header.size()) != header)
        return {};
    const qint64 end = pdf.indexOf("endobj", offset);
    if (end < 0)
        return {};
    return pdf.mid(offset + header.size(), end - offset - header.size()).trimmed();
}

int reference(const QByteArray &text, const char *key)
{
    const QRegularExpression pattern(QStringLiteral("/%1\\s+(\\d+)\\s+0\\s+R").arg(QLatin1String(key)));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(text));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QVector<int> references(const QByteArray &array)
{
    QVector<int> numbers;
    static const QRegularExpression pattern(QStringLiteral("(\\d+)\\s+0\\s+R"));
    auto matches = pattern.globalMatch(QString::fromLatin1(array));
    while (matches.hasNext())
        numbers.append(matches.next().captured(1).toInt());
    return numbers;
}

// A text string in UTF-16, as PDF readers expect for anything beyond ASCII.
QByteArray textString(const QString &text)
{
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + '>';
}

QByteArray ref(int number)
{
    return QByteArray::number(number) + " 0 R";
}

QByteArray real(double value)
{
    return QByteArray::number(value, 'f', 2);
}

QByteArray destination(const QVector<int> &pages, int page, double top)
{
    if (top < 0)
        return "[" + ref(pages[page]) + " /Fit]";
    return "[" + ref(pages[page]) + " /XYZ null " + real(top) + " null]";
}

// Writes `entries` as the children of object `parent`, numbering them from `*next`; the first and the
// last object written at this level, or nothing when an entry leads outside the document.
std::optional<std::pair<int, int>> writeOutline(const QVector<OutlineEntry> &entries, int parent,
    const QVector<int> &pages, int *next, QMap<int, QByteArray> *written)
{
    const int first = *next;
    *next += entries.size();
    for (int k = 0; k < entries.size(); ++k) {
        const OutlineEntry &entry = entries[k];
        if (entry.page < 0 || entry.page >= pages.size())
            return std::nullopt;
        QByteArray item = "<<\n/Title " + textString(entry.title) + "\n/Parent " + ref(parent);
        if (k > 0)
            item += "\n/Prev " + ref(first + k - 1);
        if (k + 1 < entries.size())
            item += "\n/Next " + ref(first + k + 1);
        if (!entry.children.isEmpty()) {
            const auto children = writeOutline(entry.children, first + k, pages, next, written);
            if (!children)
                return std::nullopt;
            item += "\n/First " + ref(children->first) + "\n/Last " + ref(children->second) + "\n/Count -"
                + QByteArray::number(entry.children.size());
        }
        (*written)[first + k] = item + "\n/Dest " + destination(pages, entry.page, entry.top) + "\n>>";
    }
    return std::pair { first, first + int(entries.size()) - 1 };
}

} // namespace

bool add(
    QByteArray &pdf, const QVector<OutlineEntry> &outline, const QVector<PageLink> &links, QString *error)
{
    auto fail = [error](const QString &reason) {
        *error = reason;
        return false;
    };
    static const QRegularExpression tail(QStringLiteral("startxref\\s+(\\d+)\\s+%%EOF\\s*$"));
    const QRegularExpressionMatch startMatch = tail.match(QString::fromLatin1(pdf.right(64)));
    if (!startMatch.hasMatch())
        return fail(QStringLiteral("no startxref at the end"));
    const qint64 previous = startMatch.captured(1).toLongLong();
    QMap<int, qint64> offsets;
    if (!readCrossReferences(pdf, previous, &offsets))
        return fail(QStringLiteral("unreadable cross-reference table"));
    const qint64 trailerAt = pdf.indexOf("trailer", previous);
    const QByteArray trailer = pdf.mid(trailerAt, pdf.indexOf(">>", trailerAt) - trailerAt);
    static const QRegularExpression sizePattern(QStringLiteral("/Size\\s+(\\d+)"));
    const QRegularExpressionMatch sizeMatch = sizePattern.match(QString::fromLatin1(trailer));
    const int root = reference(trailer, "Root");
    const int info = reference(trailer, "Info");
    if (!sizeMatch.hasMatch() || root < 0)
        return fail(QStringLiteral("incomplete trailer"));

    const QByteArray catalog = objectBody(pdf, offsets, root);
    const QByteArray pageTree = objectBody(pdf, offsets, reference(catalog, "Pages"));
    const qint64 kidsAt = pageTree.indexOf("/Kids");
    const QVector<int> pages = references(pageTree.mid(kidsAt, pageTree.indexOf(']', kidsAt) - kidsAt));
    if (!catalog.endsWith(">>") || catalog.contains("/Outlines") || pages.isEmpty())
        return fail(QStringLiteral("unexpected catalog or page tree"));

    int nextNumber = sizeMatch.captured(1).toInt();
    QMap<int, QByteArray> written;

    // Links: each page's annotation array gets a new version holding them.
    QMap<int, QVector<int>> linksOfPage;
    for (const PageLink &link : links) {
        if (link.page < 0 || link.page >= pages.size() || link.target < 0 || link.target >= pages.size())
            return fail(QStringLiteral("link outside the document"));
        const int number = nextNumber++;
        written[number] = "<<\n/Type /Annot\n/Subtype /Link\n/Rect [" + real(link.area.left()) + ' '
            + real(link.area.top()) + ' ' + real(link.area.right()) + ' ' + real(link.area.bottom())
            + "]\n/Border [0 0 0]\n/Dest [" + ref(pages[link.target]) + " /Fit]\n>>";
        linksOfPage[link.page].append(number);
    }
    for (auto it = linksOfPage.cbegin(); it != linksOfPage.cend(); ++it) {
        const int annots = reference(objectBody(pdf, offsets, pages[it.key()]), "Annots");
        const QByteArray old = objectBody(pdf, offsets, annots);
        if (annots < 0 || !old.startsWith('[') || !old.endsWith(']'))
            return fail(QStringLiteral("page %1 has no annotation array").arg(it.key() + 1));
        QByteArray array = old.chopped(1);
        for (int number : it.value())
            array += ' ' + ref(number);
        written[annots] = array + " ]";
    }

    // The outline in reading order, its second level folded.
    const int outlines = nextNumber++;
    const auto level = writeOutline(outline, outlines, pages, &nextNumber, &written);
    if (!level)
        return fail(QStringLiteral("outline entry outside the document"));
    QByteArray outlineRoot = "<<\n/Type /Outlines\n/Count " + QByteArray::number(outline.size());
    if (!outline.isEmpty())
        outlineRoot += "\n/First " + ref(level->first) + "\n/Last " + ref(level->second);
    written[outlines] = outlineRoot + "\n>>";
    written[root]
        = catalog.chopped(2).trimmed() + "\n/Outlines " + ref(outlines) + "\n/PageMode /UseOutlines\n>>";

    if (!pdf.endsWith('\n'))
        pdf += '\n';
    QMap<int, qint64> newOffsets;
    for (auto it = written.cbegin(); it != written.cend(); ++it) {
        newOffsets[it.key()] = pdf.size();
        pdf += QByteArray::number(it.key()) + " 0 obj\n" + it.value() + "\nendobj\n";
    }
    const qint64 xref = pdf.size();
    pdf += "xref\n";
    for (auto it = newOffsets.cbegin(); it != newOffsets.cend(); ++it)
        pdf += QByteArray::number(it.key()) + " 1\n" + QByteArray::number(it.value()).rightJustified(10, '0')
            + " 00000 n \n";
    pdf += "trailer\n<<\n/Size " + QByteArray::number(nextNumber) + "\n/Root " + ref(root);
    if (info >= 0)
        pdf += "\n/Info " + ref(info);
    pdf += "\n/Prev " + QByteArray::number(previous) + "\n>>\nstartxref\n" + QByteArray::number(xref)
        + "\n%%EOF\n";
    return true;
}

void fixCreationDate(QByteArray &pdf)
{
    // Qt writes the local time and its offset from UTC.
    static const QRegularExpression date(
        QStringLiteral("/CreationDate \\(D:(\\d{14}(Z|[+-]\\d\\d'\\d\\d'))\\)"));
    const QRegularExpressionMatch match = date.match(QString::fromLatin1(pdf.left(4096)));
    if (!match.hasMatch())
        return;
    bool given = false;
    const qint64 seconds = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&given);
    const QDateTime when
        = given ? QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC) : QDateTime::currentDateTimeUtc();
    // As long as what it replaces, so that the offsets of what follows stay right.
    const QByteArray utc = match.captured(2) == QLatin1String("Z") ? "Z" : "+00'00'";
    pdf.replace(match.capturedStart(1), match.capturedLength(1),
        when.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + utc);
}

} // namespace PdfNavigation
