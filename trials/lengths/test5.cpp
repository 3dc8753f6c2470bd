#include "test5.h"

#include "lengthsbank.h"
#include "testscreens.h"

#include <QPushButton>
#include <QTimer>

namespace {

const InstructionContent Instructions {
    .test = LengthsBank::Test,
    .logoLeft = 1080,
    .logoTop = 240,
    .textFrame = { 3600, 1680, 7215, 5640 },
    .explanation = {
        { "Explications",
            "Ce test a pour but de mesurer votre capacité à estimer un rapport entre deux longueurs.",
            { 240, 240, 6735, 255 } },
        { "Label2",
            "Chaque exercice comporte un rectangle contenant deux lignes parallèles de longueurs "
            "différentes.",
            { 240, 840, 6735, 255 } },
        { "Label5",
            " Il s'agit pour vous de déterminer en dixièmes le rapport de la plus courte à la plus "
            "grande.",
            { 240, 1440, 6735, 255 } },
        { "Label6",
            " Regardez l'exemple ci-contre : la ligne la plus courte mesure le cinquième de l'autre, "
            "autrement dit, elle en représente les 2/10e. La bonne réponse est donc 2. Vous avez deux "
            "minutes pour effectuer ce test.",
            { 240, 2040, 6735, 255 } },
        { "Label7", InstructionContent::TimeSentence, { 240, 3240, 6735, 495 } },
    },
    .goodLuckTop = 4080,
    .example = { .resource = ":/assets/barre1.jpg", .frame = { 600, 1680, 2760, 5640 }, .picture = { 600, 1200, 0, 0 },
        .border = true },
    .stopsClockOf = "Test4",
};

[[maybe_unused]] const bool Registered = TestRegistry<TestScreens>::add(
    { .test = LengthsBank::Test, .instructions = Instructions, .timed = own<Test5> });

} // namespace

Test5::Test5(Forms &forms)
    : PictureTest(
        forms, { .test = LengthsBank::Test, .titleWidth = 6615, .picture = { 2040, 2640, 1560, 3060 } })
{
    placeClock(6180, 2400);
    for (int index = 0; index < LengthsBank::ButtonCount; ++index)
        addAnswerButton(
            QString::number(LengthsBank::ChoiceValues[0][index]), 6480, 3360 + 480 * index, 1215, 495);
}

void Test5::buildTables()
{
    AnswerKey = QList<int>(LengthsBank::AnswerKey.begin(), LengthsBank::AnswerKey.end());
    ChoiceValues.clear();
    for (const auto &question : LengthsBank::ChoiceValues)
        ChoiceValues.append(QList<int>(question.begin(), question.end()));
}

bool Test5::isRight(int index) const
{
    return Command2.at(index)->text() == QString::number(AnswerKey.at(QuestionNumber - 1));
}

void Test5::showQuestion()
{
    const int first = LengthsBank::ButtonCount * (QuestionNumber - 1);
    for (int k = 0; k < Command2.size(); ++k)
        Command2.at(k)->setText(QString::number(ChoiceValues.at(first + k)));
}

void Test5::handOver()
{
    // The computation screen does not stop this clock: it must be stopped before it shows.
    Timer1->stop();
    PictureTest::handOver();
}
