#pragma once

#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QRectF>
#include <QString>
#include <QVector>

// The pages of the answer booklet: an A4 PDF drawn with QPainter, in millimetres from the top left
// corner of the page, with a running title (the section and the questions of the page) and a page
// number on every page of a section, under the document's own title. It also records where each section and
// each question starts and where each table-of-contents line stands, for the outline and the links.
class BookletWriter {
public:
    static constexpr double PageWidth = 210;
    static constexpr double PageHeight = 297;
    static constexpr double Margin = 18;
    static constexpr double ContentWidth = PageWidth - 2 * Margin;
    // Below the running title, above the page number.
    static constexpr double ContentTop = 26;
    static constexpr double ContentBottom = PageHeight - 20;

    struct Question {
        int number = 0;
        int page = 0; // counted from 1
        double top = 0; // millimetres from the top of the page
    };
    struct Section {
        QString title;
        int firstPage = 0; // counted from 1
        QVector<Question> questions;
    };
    struct Link {
        int page = 0; // where the link stands
        QRectF area; // millimetres
        int target = 0; // the page it leads to
    };

    // `header` heads every page of a section ("Sujet – Série 2"); `title` is the PDF's.
    BookletWriter(QIODevice *device, const QString &header, const QString &title);
    ~BookletWriter();

    QPainter &painter() { return paint; }

    // A new page of the current section (the first call stays on the first page).
    void newPage();
    // A new section on a new page; its title runs at the top of its pages.
    void beginSection(const QString &title);
    // Question `number` of the current section starts on this page, `top` millimetres down.
    void beginQuestion(int number, double top);
    int pageNumber() const { return page; }
    const QVector<Section> &sections() const { return sectionList; }
    const QVector<Link> &links() const { return linkList; }
    void addLink(const QRectF &area, int targetPage) { linkList.append({ page, area, targetPage }); }
    // Ends the document; false when the file could not be written whole.
    bool finish();

    // Device units of a length in millimetres, and of a rectangle.
    double mm(double millimetres) const;
    QPointF mm(QPointF millimetres) const { return { mm(millimetres.x()), mm(millimetres.y()) }; }
    QRectF mm(const QRectF &millimetres) const;

    QFont font(double points, bool bold = false, bool italic = false) const;
    // Text in a box of the page, wrapped; returns the height it took, in millimetres.
    double text(const QRectF &box, const QString &text, const QFont &font, int flags = Qt::AlignLeft);
    // The width of one line of text, in millimetres.
    double width(const QString &text, const QFont &font) const;
    // One line at a baseline-free position: the box's top left.
    void line(QPointF topLeft, const QString &text, const QFont &font);

private:
    // The running title and the page number, once the page is full and its questions known.
    void decorate();

    QPdfWriter pdf;
    QPainter paint;
    QString header;
    int page = 1;
    bool pageUsed = false;
    int pageSection = -1; // the section of the current page; -1 before the first
    QVector<Section> sectionList;
    QVector<Link> linkList;
};

// The cells of a section in rows and columns over the content area of its pages, in reading order:
// a new page begins when the current one is full.
class BookletGrid {
public:
    // `gap` is left free on the right of every cell, between the columns.
    BookletGrid(BookletWriter &writer, int cellsPerPage, int columns = 1, double gap = 0);
    // The next cell, in millimetres, on a new page when this one has no room left.
    QRectF nextCell();

private:
    BookletWriter &writer;
    const int cellsPerPage;
    const int columns;
    const double gap;
    const double width;
    const double height;
    int used = 0;
};

// Text with French punctuation: the no-break space before « : ; ? ! » and inside guillemets, none
// around the signs of a calculation; numbers with a decimal comma and a minus sign.
namespace French {
const QChar NoBreakSpace(0x00A0);
const QChar NarrowNoBreakSpace(0x202F);
QString typeset(const QString &text);
QString number(double value);
} // namespace French
