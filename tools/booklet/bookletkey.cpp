// The pages around the tests' answers: reading one's score, the key on one page, the empty answer sheet.
#include "booklet.h"
#include "bookletwriter.h"

namespace Booklet {

namespace {

constexpr double Left = BookletWriter::Margin;
constexpr double Width = BookletWriter::ContentWidth;

int totalOf(const QVector<TestAnswers> &tests)
{
    int total = 0;
    for (const TestAnswers &test : tests)
        total += int(test.answers.size());
    return total;
}

// Each test's questions in rows of numbered cells, question 1 at the top left; with the answers, or
// with an empty box to write in and a line for the points.
double drawGrid(BookletWriter &writer, const QVector<TestAnswers> &tests, double top, bool withAnswers)
{
    const double rowHeight = withAnswers ? 5.6 : 7.6;
    QPainter &painter = writer.painter();
    for (const TestAnswers &test : tests) {
        writer.text({ Left, top, Width, 6 }, test.title, writer.font(10.5, true));
        if (!withAnswers)
            writer.text({ Left, top, Width, 6 },
                French::typeset(QStringLiteral("points : ……… / %1").arg(test.answers.size())),
                writer.font(10), Qt::AlignRight);
        top += 6.5;
        const double cellWidth = Width / test.columns;
        const int rows = int((test.answers.size() + test.columns - 1) / test.columns);
        for (int k = 0; k < test.answers.size(); ++k) {
            const QRectF cell(Left + (k % test.columns) * cellWidth, top + (k / test.columns) * rowHeight,
                cellWidth, rowHeight);
            painter.save();
            painter.setPen(QPen(QColor(150, 150, 150), writer.mm(0.15)));
            painter.setBrush((k / test.columns) % 2 == 0 ? QColor(240, 240, 240) : QColor(Qt::white));
            painter.drawRect(writer.mm(cell));
            painter.restore();
            const QRectF number(cell.left() + 0.8, cell.top(), 6.5, rowHeight);
            writer.text(number, QString::number(k + 1), writer.font(7.5, false, true),
                Qt::AlignLeft | Qt::AlignVCenter);
            const QRectF answer = cell.adjusted(7.5, 0, -0.8, 0);
            if (withAnswers) {
                writer.text(
                    answer, test.answers[k], writer.font(9.5, true), Qt::AlignLeft | Qt::AlignVCenter);
            } else {
                painter.save();
                painter.setPen(QPen(Qt::black, writer.mm(0.2)));
                painter.setBrush(Qt::white);
                painter.drawRect(writer.mm(answer.adjusted(0, 1.2, 0, -1.2)));
                painter.restore();
            }
        }
        top += rows * rowHeight + 5;
    }
    return top;
}

double pageTitle(BookletWriter &writer, const QString &title, const QString &subtitle)
{
    double top = BookletWriter::ContentTop + 2;
    writer.text({ Left, top, Width, 12 }, title, writer.font(18, true));
    top += 10;
    top += writer.text({ Left, top, Width, 20 }, French::typeset(subtitle), writer.font(10, false, true)) + 5;
    return top;
}

} // namespace

void keyPage(BookletWriter &writer, const QVector<TestAnswers> &tests)
{
    const double top = pageTitle(writer, QStringLiteral("Corrigé express"),
        QStringLiteral(
            "Les %1 bonnes réponses, test par test. Les valeurs des cadrans sont celles des boutons ; "
            "les réponses du raisonnement se lisent case par case.")
            .arg(totalOf(tests)));
    drawGrid(writer, tests, top, true);
}

void answerSheet(BookletWriter &writer, const QVector<TestAnswers> &tests)
{
    double top = pageTitle(writer, QStringLiteral("Feuille de réponses"),
        QStringLiteral("Une case par question ; comparez ensuite avec le corrigé express, un point par bonne "
                       "réponse."));
    top += writer.text({ Left, top - 2, Width, 8 },
               French::typeset(QStringLiteral("Prénom : ……………………………………          Date : ……………………")),
               writer.font(10.5))
        + 2;
    const double bottom = drawGrid(writer, tests, top, false);
    writer.text({ Left, bottom + 2, Width, 8 },
        French::typeset(QStringLiteral("Total : ……… / %1").arg(totalOf(tests))), writer.font(12, true),
        Qt::AlignRight);
}

void scorePage(BookletWriter &writer, const QVector<TestAnswers> &tests, int keyPageNumber, int series)
{
    QStringList counts;
    for (const TestAnswers &test : tests)
        counts.append(QStringLiteral("%1 (%2)").arg(test.title.toLower()).arg(test.answers.size()));
    const QStringList paragraphs = {
        QStringLiteral(
            "Chaque bonne réponse rapporte un point ; une réponse fausse ou absente n’en rapporte aucun "
            "et n’en retire aucun. Le total possible est de %1 points : %2.")
            .arg(totalOf(tests))
            .arg(counts.join(QStringLiteral(", "))),
        QStringLiteral(
            "L’écran des résultats ne donne que le total de l’essai, et le meilleur total obtenu depuis "
            "le lancement du programme. Pour savoir où vous perdez des points, notez vos réponses sur "
            "la feuille de réponses du sujet (%1), ou juste après chaque test celles dont vous doutez, "
            "puis comparez-les au corrigé express (page %2) : le total de chaque test montre celui qui "
            "demande du travail.")
            .arg(documentName(Kind::Sujet, series))
            .arg(keyPageNumber),
        QStringLiteral(
            "Un point perdu l’est par une erreur ou par manque de temps : quand le temps d’un test est "
            "écoulé, les questions restantes ne rapportent rien. Notez où le temps vous a arrêté dans "
            "chaque test. Beaucoup de questions non atteintes : c’est la vitesse qu’il faut travailler ; "
            "des erreurs parmi les questions atteintes : c’est la méthode, décrite avant les réponses "
            "de chaque test."),
        QStringLiteral(
            "Un second essai sur la même série pose les mêmes questions, dans le même ordre. Il montre si "
            "la méthode est devenue plus rapide et plus sûre, mais il profite aussi du souvenir des "
            "réponses. Pour juger d’un progrès, passez plutôt une autre série : ses images sont "
            "nouvelles, leurs réponses sont les mêmes que celles-ci (le sujet et le corrigé de chaque "
            "série portent son numéro). Jugez surtout le nombre de questions atteintes et les erreurs "
            "qui ne reviennent plus."),
        QStringLiteral(
            "Ce livret ne donne ni barème ni seuil de réussite : le programme n’en fixe aucun (le mot qui "
            "accompagne le total à l’écran n’est qu’un encouragement), et un total ne se compare qu’à vos "
            "propres essais, passés avec le même temps par test."),
    };
    double top = BookletWriter::ContentTop + 2;
    writer.text({ Left, top, Width, 12 }, QStringLiteral("Lire son score"), writer.font(18, true));
    top += 14;
    for (const QString &paragraph : paragraphs)
        top += writer.text({ Left, top, Width, 60 }, French::typeset(paragraph), writer.font(11)) + 5;
}

} // namespace Booklet
