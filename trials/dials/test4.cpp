#include "test4.h"

#include "dialsbank.h"
#include "testscreens.h"

#include "controls.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <cmath>

namespace {

// Below the logo, which reaches lower here than on the other screens. The example box keeps
// its designed size: only the left of the panel shows.
const InstructionContent Instructions {
    .test = DialsBank::Test,
    .logoLeft = 1080,
    .logoTop = 720,
    .textFrame = { 720, 1800, 9975, 1335 },
    .explanation = {
        { "Explications",
            "A chaque question, il vous sera demandé de lire sur un cadran la valeur d'une donnée "
            "physique, et de choisir parmi 5 valeurs laquelle se rapporte à ce cadran. Vous avez 2 "
            "minutes pour trouver le plus possible de bonnes réponses.",
            { 240, 240, 9495, 255 } },
    },
    .goodLuckTop = 0,
    .example = { .resource = ":/assets/exemple-cadran.jpg", .frame = { 720, 3240, 9975, 3975 },
        .picture = { 360, 480, 4095, 2895 }, .border = true,
        .explanation = {
            { "Label2", "Par exemple, ici, le compte-tours indique environ 6200 tours/min.",
                { 4800, 720, 4935, 255 } },
            { "Label7", InstructionContent::TimeSentence, { 4800, 1800, 4935, 495 } },
        } },
    .stopsClockOf = nullptr,
};

[[maybe_unused]] const bool Registered = TestRegistry<TestScreens>::add(
    { .test = DialsBank::Test, .instructions = Instructions, .timed = own<Test4> });

constexpr int QuestionLeft = 600;
constexpr int AnswerButtonsLeft = 5760;

QString questionText(QChar code)
{
    return QString::fromUtf8(DialsBank::questionText(code.toLatin1()));
}

QVariant choiceValue(char code, double value)
{
    if (DialsBank::isFraction(code))
        return value;
    return QVariant::fromValue(static_cast<qint16>(std::lround(value)));
}

// Whole numbers plainly, with no digit grouping ("5640", "-11"); fractions in the user's
// regional settings ("0,45" in French).
QString caption(const QVariant &value)
{
    if (value.typeId() == QMetaType::Double)
        return QLocale().toString(value.toDouble());
    return QString::number(value.toInt());
}

} // namespace

Test4::Test4(Forms &forms)
    : PictureTest(
        forms, { .test = DialsBank::Test, .titleWidth = 6735, .picture = { 1080, 2760, 9060, 3060 } })
{
    placeClock(6000, 1560);
    const char firstCode = DialsBank::InstrumentCodes[0];
    // Wider than designed, up to the answer buttons, so that "compte-tours" keeps to one line:
    // a label wraps at a hyphen as well as between words.
    Label3 = makeLabel(this, "Label3", questionText(QLatin1Char(firstCode)), QuestionLeft, 6960,
        AnswerButtonsLeft - QuestionLeft, 975, sansFont(18, true));
    for (int index = 0; index < DialsBank::ButtonCount; ++index) {
        addAnswerButton(caption(choiceValue(firstCode, DialsBank::ChoiceValues[0][index])), AnswerButtonsLeft,
            6240 + 480 * index, 2415, 495);
    }
}

void Test4::buildTables()
{
    InstrumentCodes.clear();
    for (char code : DialsBank::InstrumentCodes)
        InstrumentCodes.append(QString(QLatin1Char(code)));
    ChoiceValues.clear();
    for (int question = 0; question < DialsBank::QuestionCount; ++question) {
        for (double value : DialsBank::ChoiceValues[question])
            ChoiceValues.append(choiceValue(DialsBank::InstrumentCodes[question], value));
    }
    AnswerKey = QList<int>(DialsBank::AnswerKey.begin(), DialsBank::AnswerKey.end());
}

QString Test4::pictureName(int question) const
{
    return QStringLiteral("Tableau de bord, question %1").arg(question);
}

void Test4::showQuestion()
{
    Label3->setText(questionText(InstrumentCodes.at(QuestionNumber - 1).at(0)));
    const int first = DialsBank::ButtonCount * (QuestionNumber - 1);
    for (int k = 0; k < Command2.size(); ++k)
        Command2.at(k)->setText(caption(ChoiceValues.at(first + k)));
}
