#include "presentation1.h"

#include "controls.h"
#include "picturebox.h"

#include <QGroupBox>

Presentation1::Presentation1(Forms &forms)
    : InstructionScreen(forms, { "Test spatial", 1080, 600 })
{
    addExample(600, 1680, 4560, 5640, QStringLiteral(":/assets/spatial1.jpg"), 300, 300);
    Picture1->setBorder(false);

    textFrame = makeFrame(this, "textFrame", QString(), 5400, 1680, 5415, 5640);
    Explications = addExplanation(textFrame, "Explications",
        QStringLiteral(
            "Regardez l'exemple ci-contre. Dans la case entourée de bleu, en haut à gauche, il y a "
            "deux morceaux."),
        240, 240, 4935, 255);
    Label2 = addExplanation(textFrame, "Label2",
        QStringLiteral("Regardez maintenant les cinq figures désignées par les lettres A, B, C, D, E."), 240,
        1080, 4935, 255);
    Label5 = addExplanation(textFrame, "Label5",
        QStringLiteral("Parmi ces figures, vous devez trouver celle qui montre comment ces morceaux peuvent "
                       "être assemblés."),
        240, 1920, 4935, 255);
    Label6 = addExplanation(textFrame, "Label6",
        QStringLiteral("La figure E a bien l'aspect qu'auraient les deux morceaux en haut à gauche s'ils "
                       "étaient assemblés. La bonne réponse est donc E."),
        240, 2760, 4935, 255);
    Label7 = addTimeSentence(textFrame, "Label7", 240, 4080, 4935, 495);
    addGoodLuck(textFrame, 240, 4920);
    stackLabels({ Explications, Label2, Label5, Label6, Label7, Label3 });
}
