#include "booklet.h"
#include "bookletdrawing.h"
#include "bookletwriter.h"
#include "paths.h"
#include "series.h"

#include "paths/pathsbank.h"

#include <QLineF>

#include <cmath>

namespace Booklet {

namespace {

// The answer printed for a question, as the key page and the answer pages both show it.
QString answerOf(int question)
{
    return QString::number(PathsBank::Counts[size_t(question - 1)]);
}

// 'D' for a turn to the right at corner `i` of the walk, 'G' for a turn to the left (y grows downward).
QChar turnAt(const PathPictures::Path &path, int i)
{
    const QPoint in = path.corners[i] - path.corners[i - 1];
    const QPoint out = path.corners[i + 1] - path.corners[i];
    return in.x() * out.y() - in.y() * out.x() > 0 ? u'D' : u'G';
}

// Where the direction is easy to misjudge: walking down the page, right and left are the page's left
// and right; walking to the left, a turn up the page is a right turn.
bool isRisky(const PathPictures::Path &path, int i)
{
    const QPoint in = path.corners[i] - path.corners[i - 1];
    return in.y() > 0 || (in.y() == 0 && in.x() < 0);
}

QPointF unit(QPointF vector)
{
    const double length = std::hypot(vector.x(), vector.y());
    return length > 0 ? vector / length : QPointF();
}

void drawQuestion(BookletWriter &writer, int question, int series, const QRectF &cell)
{
    const PathPictures::Path path = PathPictures::layout(question, series);
    const QChar asked = PathsBank::Directions[size_t(question - 1)] == 'R' ? u'D' : u'G';
    writer.beginQuestion(question, cell.top());
    writer.text({ cell.left(), cell.top(), cell.width(), 6 }, answerLine(question, answerOf(question)),
        writer.font(11, true));
    writer.text({ cell.left(), cell.top() + 5.5, cell.width(), 6 },
        asked == u'D' ? QStringLiteral("Virages à droite (D)") : QStringLiteral("Virages à gauche (G)"),
        writer.font(9));

    const QTransform toPage = BookletDrawing::placePicture(writer, { PathPictures::Size, PathPictures::Size },
        { cell.left() + 10, cell.top() + 12, 58, 58 },
        [&path](QPainter &painter) { PathPictures::paint(painter, path); });
    const QPointF start = toPage.map(QPointF(path.corners.first()) + QPointF(0.5, -2));
    BookletDrawing::badge(writer, start, QStringLiteral("▲"), true, 4.6);

    QStringList counted;
    QStringList risky;
    QPainter &painter = writer.painter();
    for (int i = 1; i + 1 < path.corners.size(); ++i) {
        const QChar turn = turnAt(path, i);
        const int number = i;
        // The mark stands outside the corner, where the path does not run.
        const QPointF outward = unit(unit(QPointF(path.corners[i] - path.corners[i - 1]))
            - unit(QPointF(path.corners[i + 1] - path.corners[i])));
        const QPointF at = toPage.map(QPointF(path.corners[i]) + outward * 9);
        if (isRisky(path, i)) {
            painter.save();
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(QColor(200, 0, 0), writer.mm(0.35), Qt::DashLine));
            painter.drawEllipse(at, writer.mm(4.2), writer.mm(4.2));
            painter.restore();
            risky.append(QString::number(number));
        }
        BookletDrawing::badge(writer, at, QStringLiteral("%1%2").arg(number).arg(turn), turn == asked, 5.2);
        if (turn == asked)
            counted.append(QString::number(number));
    }
    double y = cell.top() + 72;
    y += writer.text({ cell.left(), y, cell.width(), 10 },
        French::typeset(
            QStringLiteral("▲ départ ; comptés (en noir) : %1").arg(counted.join(QStringLiteral(", ")))),
        writer.font(8.5));
    if (!risky.isEmpty())
        writer.text({ cell.left(), y + 0.5, cell.width(), 10 },
            French::typeset(
                QStringLiteral("À surveiller (pointillés) : %1").arg(risky.join(QStringLiteral(", ")))),
            writer.font(8.5));
}

} // namespace

QStringList pathAnswers()
{
    QStringList answers;
    for (int question = 1; question <= PathsBank::QuestionCount; ++question)
        answers.append(answerOf(question));
    return answers;
}

void pathSection(BookletWriter &writer, int series)
{
    constexpr int columns = 2;
    constexpr double gap = 4; // millimetres
    BookletGrid grid(writer, PathLayout.perPage, columns, gap);
    for (int question = 1; question <= PathsBank::QuestionCount; ++question)
        drawQuestion(writer, question, series, grid.nextCell());
}

namespace {

[[maybe_unused]] const bool Registered = TestRegistry<TestEntry>::add({ .test = PathsBank::Test,
    .method = pathMethod,
    .layout = PathLayout,
    .draw = pathSection,
    .paperLayout = PathPaper,
    .drawPaper = pathPaper,
    .answers = pathAnswers });

} // namespace

} // namespace Booklet
