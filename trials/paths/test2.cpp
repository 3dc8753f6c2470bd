#include "test2.h"

#include "pathsbank.h"
#include "testscreens.h"

#include "controls.h"

#include <QLabel>

namespace {

const InstructionContent Instructions {
    .test = PathsBank::Test,
    .logoLeft = 840,
    .logoTop = 480,
    .textFrame = { 5400, 1680, 5415, 5640 },
    .explanation = {
        { "Label5", "Regardez bien l'exemple ci-contre : le tracé d'un parcours y est représenté.",
            { 240, 240, 4935, 255 } },
        { "Label2",
            "Vous partirez de l'endroit désigné ci-contre par une flèche, et vous avencerez le long "
            "de ce chemin.",
            { 240, 1080, 4935, 255 } },
        { "Explications",
            "Le but de cet exercice est de déterminer le nombre de virages, tantôt à gauche, tantôt "
            "à droite que vous ferez en cheminant le long de ce parcours.",
            { 240, 2160, 4935, 255 } },
        { "Label7", InstructionContent::TimeSentence, { 240, 3600, 4935, 495 } },
    },
    .goodLuckTop = 4560,
    // The "Départ" arrow points at the open start of the path, on the lower edge of the picture.
    .example = { .resource = ":/assets/chemin1.jpg", .frame = { 600, 1680, 4560, 5640 }, .picture = { 960, 540, 0, 0 },
        .border = true,
        .captions = { { "Label6", "Départ", { 480, 4140, 1095, 300 } } },
        .lines = { { "Line2", 1200, 4080, 1440, 3600 }, { "Line1", 1440, 3720, 1440, 3600 },
            { "Line3", 1320, 3720, 1440, 3600 } } },
    .stopsClockOf = "Test1",
};

[[maybe_unused]] const bool Registered = TestRegistry<TestScreens>::add(
    { .test = PathsBank::Test, .instructions = Instructions, .timed = own<Test2> });

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
