#include "bookletwriter.h"

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QRegularExpression>

namespace {

// Fine enough for the hairlines of the rulers, and whole device units per point.
constexpr int Resolution = 720;
const QString FontFamily = QStringLiteral("DejaVu Sans");

} // namespace

BookletWriter::BookletWriter(QIODevice *device, const QString &header, const QString &title)
    : pdf(device)
    , header(header)
{
    pdf.setPdfVersion(QPagedPaintDevice::PdfVersion_1_6);
    pdf.setResolution(Resolution);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Simulation de Sélection Pilotes"));
    paint.begin(&pdf);
    paint.setRenderHint(QPainter::Antialiasing);
    paint.setRenderHint(QPainter::SmoothPixmapTransform);
}

BookletWriter::~BookletWriter()
{
    if (paint.isActive())
        paint.end();
}

void BookletWriter::newPage()
{
    if (pageUsed) {
        decorate();
        pdf.newPage();
        ++page;
    }
    pageUsed = true;
    pageSection = int(sectionList.size()) - 1;
}

void BookletWriter::beginSection(const QString &title)
{
    sectionList.append({ title, pageUsed ? page + 1 : page, {} });
    newPage();
}

void BookletWriter::beginQuestion(int number, double top)
{
    sectionList.last().questions.append({ number, page, top });
}

bool BookletWriter::finish()
{
    decorate();
    return paint.end();
}

double BookletWriter::mm(double millimetres) const
{
    return millimetres * Resolution / 25.4;
}

QRectF BookletWriter::mm(const QRectF &millimetres) const
{
    return { mm(millimetres.topLeft()), mm(millimetres.bottomRight()) };
}

QFont BookletWriter::font(double points, bool bold, bool italic) const
{
    QFont result(FontFamily);
    result.setPointSizeF(points);
    result.setBold(bold);
    result.setItalic(italic);
    return result;
}

double BookletWriter::text(const QRectF &box, const QString &text, const QFont &font, int flags)
{
    paint.setFont(font);
    QRectF used;
    paint.drawText(mm(box), flags | Qt::TextWordWrap, text, &used);
    return (used.bottom() - mm(box.top())) * 25.4 / Resolution;
}

double BookletWriter::width(const QString &text, const QFont &font) const
{
    return QFontMetricsF(font, &pdf).horizontalAdvance(text) * 25.4 / Resolution;
}

void BookletWriter::line(QPointF topLeft, const QString &text, const QFont &font)
{
    paint.setFont(font);
    const QFontMetricsF metrics(font, &pdf);
    paint.drawText(mm(topLeft) + QPointF(0, metrics.ascent()), text);
}

void BookletWriter::decorate()
{
    if (pageSection < 0)
        return;
    const Section &section = sectionList[pageSection];
    QVector<int> numbers;
    for (const Question &question : section.questions) {
        if (question.page == page)
            numbers.append(question.number);
    }
    QString heading = section.title;
    if (numbers.size() == 1)
        heading += QStringLiteral(" – question %1").arg(numbers.first());
    else if (numbers.size() > 1)
        heading += QStringLiteral(" – questions %1 à %2").arg(numbers.first()).arg(numbers.last());
    paint.save();
    paint.setPen(Qt::black);
    const QFont small = font(8.5);
    paint.setFont(small);
    paint.drawText(mm(QRectF(Margin, 10, ContentWidth, 6)), Qt::AlignLeft | Qt::AlignVCenter, header);
    paint.drawText(mm(QRectF(Margin, 10, ContentWidth, 6)), Qt::AlignRight | Qt::AlignVCenter, heading);
    paint.setPen(QPen(Qt::black, mm(0.2)));
    paint.drawLine(mm(QPointF(Margin, 17)), mm(QPointF(PageWidth - Margin, 17)));
    paint.setFont(font(9));
    paint.drawText(mm(QRectF(Margin, PageHeight - 14, ContentWidth, 6)), Qt::AlignHCenter | Qt::AlignVCenter,
        QString::number(page));
    paint.restore();
}

BookletGrid::BookletGrid(BookletWriter &writer, int cellsPerPage, int columns, double gap)
    : writer(writer)
    , cellsPerPage(cellsPerPage)
    , columns(columns)
    , gap(gap)
    , width(BookletWriter::ContentWidth / columns)
    , height((BookletWriter::ContentBottom - BookletWriter::ContentTop) / (cellsPerPage / columns))
{
}

QRectF BookletGrid::nextCell()
{
    if (used == cellsPerPage) {
        writer.newPage();
        used = 0;
    }
    const int slot = used++;
    return { BookletWriter::Margin + (slot % columns) * width,
        BookletWriter::ContentTop + (slot / columns) * height, width - gap, height };
}

namespace French {

QString typeset(const QString &text)
{
    QString result = text;
    result.replace(QStringLiteral(" :"), QString(NoBreakSpace) + u':');
    for (const QChar mark : { u';', u'?', u'!' })
        result.replace(QString(u' ') + mark, QString(NarrowNoBreakSpace) + mark);
    result.replace(QStringLiteral("« "), QString(u'«') + NoBreakSpace);
    result.replace(QStringLiteral(" »"), QString(NoBreakSpace) + u'»');
    // A figure's letter stays with its word.
    static const QRegularExpression figureLetter(QStringLiteral("(figures?) ([A-E])\\b"));
    result.replace(figureLetter, QStringLiteral("\\1") + NoBreakSpace + QStringLiteral("\\2"));
    // A calculation stays on one line: no break around its signs.
    for (const QChar sign : { u'−', u'+', u'=', u'×' })
        result.replace(QString(u' ') + sign + u' ', QString(NoBreakSpace) + sign + NoBreakSpace);
    return result;
}

QString number(double value)
{
    QLocale french(QLocale::French, QLocale::France);
    french.setNumberOptions(QLocale::OmitGroupSeparator);
    // A minus sign, not a hyphen.
    return french.toString(value).replace(u'-', QChar(0x2212));
}

} // namespace French
