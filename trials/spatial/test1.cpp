#include "test1.h"

#include "spatialbank.h"
#include "testscreens.h"

namespace {

const InstructionContent Instructions {
    .test = SpatialBank::Test,
    .logoLeft = 1080,
    .logoTop = 600,
    .textFrame = { 5400, 1680, 5415, 5640 },
    .explanation = {
        { "Explications",
            "Regardez l'exemple ci-contre. Dans la case entourée de bleu, en haut à gauche, il y a "
            "deux morceaux.",
            { 240, 240, 4935, 255 } },
        { "Label2", "Regardez maintenant les cinq figures désignées par les lettres A, B, C, D, E.",
            { 240, 1080, 4935, 255 } },
        { "Label5",
            "Parmi ces figures, vous devez trouver celle qui montre comment ces morceaux peuvent "
            "être assemblés.",
            { 240, 1920, 4935, 255 } },
        { "Label6",
            "La figure E a bien l'aspect qu'auraient les deux morceaux en haut à gauche s'ils "
            "étaient assemblés. La bonne réponse est donc E.",
            { 240, 2760, 4935, 255 } },
        { "Label7", InstructionContent::TimeSentence, { 240, 4080, 4935, 495 } },
    },
    .goodLuckTop = 4920,
    .example = { .resource = ":/assets/spatial1.jpg", .frame = { 600, 1680, 4560, 5640 }, .picture = { 300, 300, 0, 0 } },
    .stopsClockOf = nullptr,
};

[[maybe_unused]] const bool Registered = TestRegistry<TestScreens>::add(
    { .test = SpatialBank::Test, .instructions = Instructions, .timed = own<Test1> });

} // namespace

Test1::Test1(Forms &forms)
    : PictureTest(
        forms, { .test = SpatialBank::Test, .titleWidth = 8175, .picture = { 1800, 2160, 3960, 5160 } })
{
    placeClock(7380, 2880);
    // "&A" to "&E": Alt and the letter answer like a click.
    for (int index = 0; index < SpatialBank::ChoiceCount; ++index) {
        const QChar letter = QLatin1Char(SpatialBank::letterOf(index + 1));
        addAnswerButton(QStringLiteral("&") + letter, 7680, 3840 + 600 * index, 1215, 495);
    }
}

void Test1::buildTables()
{
    AnswerKey = QList<int>(SpatialBank::AnswerValues.begin(), SpatialBank::AnswerValues.end());
}
