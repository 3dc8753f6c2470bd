#include "booklet.h"
#include "bookletdrawing.h"
#include "bookletwriter.h"
#include "lengths.h"
#include "series.h"

#include "lengths/lengthsbank.h"

#include <algorithm>

namespace Booklet {

namespace {

// The answer printed for a question, as the key page and the answer pages both show it.
QString answerOf(int question)
{
    return QString::number(LengthsBank::AnswerKey[size_t(question - 1)]);
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

// How the shorter line fits into the longer one, in halves, thirds, quarters or fifths, and the
// landmark that tells its tenth from the two next to it.
struct Estimate {
    const char *fits;
    const char *landmark;
};

const Estimate Estimates[] = {
    { "10 fois dans la plus longue", "deux fois moins qu’un cinquième (2) : 1, pas 2" },
    { "5 fois dans la plus longue : un cinquième",
        "moins qu’un quart (2,5), deux fois un dixième : 2, ni 1 ni 3" },
    { "un peu plus de 3 fois dans la plus longue", "entre le quart (2,5) et le tiers (3,3) : 3" },
    { "2 fois et demie dans la plus longue : deux cinquièmes",
        "entre le tiers (3,3) et la moitié (5), plus près de la moitié : 4" },
    { "2 fois dans la plus longue : la moitié", "exactement la moitié : 5, ni 4 ni 6" },
    { "trois cinquièmes : la moitié et encore un dixième",
        "entre la moitié (5) et les deux tiers (6,7) : 6" },
    { "un peu plus des deux tiers de la plus longue",
        "entre les deux tiers (6,7) et les trois quarts (7,5) : 7" },
    { "quatre cinquièmes : il manque un cinquième (2)",
        "plus que les trois quarts (7,5), il manque deux dixièmes : 8" },
    { "il ne manque qu’un dixième", "il manque la moitié d’un cinquième : 9, pas 8" },
};

void drawQuestion(BookletWriter &writer, int question, int series, const QRectF &cell)
{
    const LengthPictures::Lines lines = LengthPictures::layout(question, series);
    const int answer = LengthsBank::AnswerKey[size_t(question - 1)];
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
    const Estimate &estimate = Estimates[std::clamp(answer, 1, 9) - 1];
    y += writer.text({ textLeft, y, textWidth, 14 },
             French::typeset(
                 QStringLiteral("Comment elle tient : %1.").arg(QString::fromUtf8(estimate.fits))),
             writer.font(8.5))
        + 1.5;
    writer.text({ textLeft, y, textWidth, 14 },
        French::typeset(QStringLiteral("Repère : %1.").arg(QString::fromUtf8(estimate.landmark))),
        writer.font(8.5, false, true));
}

} // namespace

QStringList lengthAnswers()
{
    QStringList answers;
    for (int question = 1; question <= LengthsBank::QuestionCount; ++question)
        answers.append(answerOf(question));
    return answers;
}

void lengthSection(BookletWriter &writer, int series)
{
    constexpr int columns = 2;
    constexpr double gap = 4; // millimetres
    BookletGrid grid(writer, LengthLayout.perPage, columns, gap);
    for (int question = 1; question <= LengthsBank::QuestionCount; ++question)
        drawQuestion(writer, question, series, grid.nextCell());
}

namespace {

[[maybe_unused]] const bool Registered = TestRegistry<TestEntry>::add({ .test = LengthsBank::Test,
    .method = lengthMethod,
    .layout = LengthLayout,
    .draw = lengthSection,
    .paperLayout = LengthPaper,
    .drawPaper = lengthPaper,
    .answers = lengthAnswers });

} // namespace

} // namespace Booklet
