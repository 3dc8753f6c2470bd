#include "test5.h"

#include "lengthsbank.h"

#include <QPushButton>
#include <QTimer>

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
