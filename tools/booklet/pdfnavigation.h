#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <QVector>

// QPdfWriter (Qt 6.4) writes neither a document outline nor links inside the document. This adds
// both to a PDF it wrote, as an incremental update appended to the file: the original bytes stay as
// they are, and every reader takes the newer catalog and annotation lists.
namespace PdfNavigation {

struct OutlineEntry {
    QString title;
    int page = 0; // counted from 0
    double top = -1; // PDF points from the bottom of the page; the whole page when negative
    QVector<OutlineEntry> children; // shown folded
};

struct PageLink {
    int page = 0; // where the link stands, counted from 0
    QRectF area; // PDF points, y upwards from the bottom of the page
    int target = 0;
};

// False, with the reason, when the PDF is not laid out as QPdfWriter writes it.
bool add(
    QByteArray &pdf, const QVector<OutlineEntry> &outline, const QVector<PageLink> &links, QString *error);

// Overwrites the creation date in place with the source's (SOURCE_DATE_EPOCH, in UTC), so that the
// same source gives the same file; without it, with the time of drawing.
void fixCreationDate(QByteArray &pdf);

} // namespace PdfNavigation
