#include "test2.h"

#include "pathsbank.h"

#include "controls.h"

#include <QLabel>

namespace {

QString directionCaption(QChar direction)
{
    return direction == QLatin1Char('R') ? QStringLiteral("A DROITE") : QStringLiteral("A GAUCHE");
}

} // namespace

Test2::Test2(Forms &forms)
    : PictureTest(
        forms, { .test = PathsBank::Test, .titleWidth = 8175, .picture = { 1560, 2160, 3060, 3060 } })
{
    placeClock(9240, 1560);
    Label2 = makeLabel(this, "Label2", QStringLiteral("Comptez le nombre de virages ..."), 6600, 3000, 4695,
        495, sansFont(13.5, true));
    growToFit(Label2);
    Label3 = makeLabel(this, "Label3", directionCaption(QLatin1Char(PathsBank::Directions[0])), 7440, 3720,
        2535, 495, sansFont(18, true));
    // Two rows of four: "1" to "4", then "5" to "8".
    for (int index = 0; index < PathsBank::ButtonCount; ++index)
        addAnswerButton(
            QString::number(index + 1), 4320 + 720 * (index % 4), 6480 + 720 * (index / 4), 495, 495);
}

void Test2::buildTables()
{
    Directions.clear();
    for (char direction : PathsBank::Directions)
        Directions.append(QString(QLatin1Char(direction)));
    AnswerKey = QList<int>(PathsBank::Counts.begin(), PathsBank::Counts.end());
}

void Test2::showQuestion()
{
    Label3->setText(directionCaption(Directions.at(QuestionNumber - 1).at(0)));
}
