#include "presentation3.h"

#include "clock.h"
#include "controls.h"
#include "forms.h"
#include "reasoning/puzzlecontrols.h"
#include "reasoning/reasoningitem.h"
#include "reasoning/reasoningitems.h"
#include "temps.h"
#include "testscreens.h"
#include "titre.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

// The example, a series and its filled box, is drawn by the screen like the items' boxes.
const InstructionContent Instructions {
    .test = ReasoningItems::Test,
    .logoLeft = 1200,
    .logoTop = 720,
    .textFrame = { 5400, 1800, 5415, 5520 },
    .explanation = {
        { "Explications",
            "Vous allez à présent être confronté à divers exercices, que vous résoudrez en "
            "remplissant des cases blanches par des chiffres ou des lettres, ou par un mot approprié "
            "(une lettre ou un chiffre devant se substituer à chacune des cases).",
            { 240, 240, 4935, 255 } },
        { "Label7", "Vous pourrez corriger vos éventuelles erreurs en cliquant sur les cases à modifier.",
            { 240, 2160, 4935, 255 } },
        { "Label2", InstructionContent::TimeSentence, { 240, 3120, 4935, 495 } },
    },
    .goodLuckTop = 4560,
    .example = {},
    .stopsClockOf = "Test2",
};

// Each item of the table, by its screen's name.
Forms::Factory reasoningItem(const char *screen)
{
    const ReasoningItems::Item &item = ReasoningItems::item(screen);
    return [&item](Forms &forms) -> Form * { return new ReasoningItem(forms, item); };
}

// The reasoning clock runs on its instruction screen, under the items.
[[maybe_unused]] const bool Registered = TestRegistry<TestScreens>::add({ .test = ReasoningItems::Test,
    .instructions = Instructions,
    .timed = reasoningItem,
    .ownInstructionScreen = own<Presentation3> });

} // namespace

Presentation3::Presentation3(Forms &forms)
    : InstructionScreen(forms, Instructions)
    , Label2(timeSentenceLabel())
    , Timer1(makeTimer(100))
{
    // The worked example: a series and its filled box, drawn like the boxes of the items. The
    // frame starts below the logo, which reaches lower here than on the other screens.
    Frame1 = makeFrame(this, "Frame1", QStringLiteral("Exemple"), 600, 1800, 4560, 5520);
    Label6 = makeLineLabel(Frame1, "Label6", QStringLiteral("36   12   24   4"), 360, 2520, 0, puzzleFont());
    // The answer is the next term of the series: it stands the series' own gap after the text.
    Text1 = makeAnswerBox(Frame1, "Text1", 0, 2520);
    Text1->move(
        Label6->x() + Label6->fontMetrics().horizontalAdvance(Label6->text()) + termGapWidth(), Text1->y());
    Text1->setText(QStringLiteral("8"));
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::NoFocus);

    connect(Timer1, &QTimer::timeout, this, &Presentation3::Timer1_Timer);
}

void Presentation3::Command1_Click()
{
    // The clock starts now: the time spent reading the instructions is not counted.
    Timer1->start();
    Start = forms.clock().now();
    showNext();
    Hide();
}

void Presentation3::Timer1_Timer()
{
    // A tick that was already queued when the clock stopped must not end the test twice.
    if (!Timer1->isActive())
        return;
    const int remaining = titre().Time - elapsedSeconds(Start, forms.clock().now());
    // The item on display is the one item loaded: the chain knows it, whichever window has the
    // focus, so the clock goes on while another program is in front.
    ReasoningItem *item = forms.find<ReasoningItem>();
    if (remaining > 0) {
        if (item)
            item->Horloge->setText(clockText(remaining));
        return;
    }
    Timer1->stop();
    if (item)
        item->timeOut();
}
