#include "booklet.h"
#include "bookletdrawing.h"
#include "bookletwriter.h"
#include "lengths.h"
#include "series.h"

#include "lengths/lengthtable.h"

namespace Booklet {

namespace {

// The answer printed for a question, as the key page and the answer pages both show it.
QString answerOf(int question)
{
    return QString::number(LengthTable::AnswerKey[size_t(question - 1)]);
}

// A ruler beside the picture, as long as the longer line and graduated in its tenths, with the shorter
// line carried over onto it from the bottom.
void drawRuler(BookletWriter &writer, const QTransform &toPage, const LengthPictures::Lines &lines, double x)
{
    const LengthPictures::Line &longer
        = lines.first.length >= lines.second.length ? lines.first : lines.second;
    const LengthPictures::Line &shorter = &longer == &lines.first ? lines.second : lines.first;
    const double top = toPage.map(QPointF(0, longer.top)).y();
    const double bottom = toPage.map(QPointF(0, longer.top + longer.length)).y();
    const double tenth = (bottom - top) / 10;
    QPainter &painter = writer.painter();
    painter.save();
    painter.setPen(QPen(Qt::black, writer.mm(0.25)));
    painter.drawLine(QPointF(x, top), QPointF(x, bottom));
    painter.setFont(writer.font(7));
    for (int k = 0; k <= 10; ++k) {
        const double y = bottom - k * tenth;
        const double tick = writer.mm(k % 5 == 0 ? 2.2 : 1.2);
        painter.drawLine(QPointF(x, y), QPointF(x + tick, y));
        if (k % 5 == 0)
            painter.drawText(QRectF(x + writer.mm(2.6), y - writer.mm(1.5), writer.mm(6), writer.mm(3)),
                Qt::AlignLeft | Qt::AlignVCenter, QString::number(k));
    }
    // Hatched, so that it reads without colour.
    const double shortTop = bottom - (bottom - top) * shorter.length / longer.length;
    const QRectF bar(x - writer.mm(2.2), shortTop, writer.mm(1.6), bottom - shortTop);
    painter.setBrush(QBrush(Qt::black, Qt::BDiagPattern));
    painter.drawRect(bar);
    painter.setPen(QPen(Qt::black, writer.mm(0.2), Qt::DashLine));
    painter.drawLine(QPointF(x - writer.mm(2.2), shortTop), QPointF(x + writer.mm(2.2), shortTop));
    painter.restore();
}

// Where the shorter line stands among the landmarks of the method: the quarter, the half, three quarters.
QString landmarkText(int tenths)
{
    if (tenths == 5)
        return QStringLiteral("exactement la moitié");
    if (tenths < 3)
        return QStringLiteral("moins du quart (2,5)");
    if (tenths < 5)
        return QStringLiteral("entre le quart (2,5) et la moitié (5)");
    if (tenths < 8)
        return QStringLiteral("entre la moitié (5) et les trois quarts (7,5)");
    return QStringLiteral("plus des trois quarts (7,5)");
}

void drawQuestion(BookletWriter &writer, int question, int series, const QRectF &cell)
{
    const LengthPictures::Lines lines = LengthPictures::layout(question, series);
    const int answer = LengthTable::AnswerKey[size_t(question - 1)];
    writer.beginQuestion(question, cell.top());
    writer.text({ cell.left(), cell.top(), cell.width(), 6 }, answerLine(question, answerOf(question)),
        writer.font(10, true));
    const QTransform toPage = BookletDrawing::placePicture(writer,
        { LengthPictures::Width, LengthPictures::Height }, { cell.left() + 2, cell.top() + 7, 19, 38 },
        [&lines](QPainter &painter) { LengthPictures::paint(painter, lines); });
    drawRuler(writer, toPage, lines, toPage.map(QPointF(LengthPictures::Width, 0)).x() + writer.mm(4));
    const double textLeft = cell.left() + 34;
    const double textWidth = cell.width() - 34;
    double y = cell.top() + 9;
    y += writer.text({ textLeft, y, textWidth, 14 },
             French::typeset(QStringLiteral("La plus courte, reportée sur la règle (hachures), mesure %1/10 "
                                            "de la plus longue.")
                                 .arg(answer)),
             writer.font(8.5))
        + 1.5;
    writer.text({ textLeft, y, textWidth, 14 },
        French::typeset(QStringLiteral("Repère : %1.").arg(landmarkText(answer))),
        writer.font(8.5, false, true));
}

} // namespace

QStringList lengthAnswers()
{
    QStringList answers;
    for (int question = 1; question <= LengthTable::QuestionCount; ++question)
        answers.append(answerOf(question));
    return answers;
}

void lengthSection(BookletWriter &writer, int series)
{
    constexpr int columns = 2;
    constexpr double gap = 4; // millimetres
    BookletGrid grid(writer, LengthLayout.perPage, columns, gap);
    for (int question = 1; question <= LengthTable::QuestionCount; ++question)
        drawQuestion(writer, question, series, grid.nextCell());
}

} // namespace Booklet
