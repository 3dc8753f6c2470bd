#include "presentation2.h"

#include "controls.h"

#include <QGroupBox>
#include <QLabel>

Presentation2::Presentation2(Forms &forms)
    : InstructionScreen(forms, { "Chemins", 840, 480, "Test1" })
{
    // The "Départ" arrow points at the open start of the path, on the lower edge of the picture.
    addExample(600, 1680, 4560, 5640, QStringLiteral(":/assets/chemin1.jpg"), 960, 540);
    Label6 = makeLabel(
        exampleFrame, "Label6", QStringLiteral("Départ"), 480, 4140, 1095, 300, sansFont(8.25, true));
    Line2 = makeLine(exampleFrame, "Line2", 1200, 4080, 1440, 3600);
    Line1 = makeLine(exampleFrame, "Line1", 1440, 3720, 1440, 3600);
    Line3 = makeLine(exampleFrame, "Line3", 1320, 3720, 1440, 3600);

    textFrame = makeFrame(this, "textFrame", QString(), 5400, 1680, 5415, 5640);
    Label5 = addExplanation(textFrame, "Label5",
        QStringLiteral("Regardez bien l'exemple ci-contre : le tracé d'un parcours y est représenté."), 240,
        240, 4935, 255);
    Label2 = addExplanation(textFrame, "Label2",
        QStringLiteral(
            "Vous partirez de l'endroit désigné ci-contre par une flèche, et vous avencerez le long "
            "de ce chemin."),
        240, 1080, 4935, 255);
    Explications = addExplanation(textFrame, "Explications",
        QStringLiteral(
            "Le but de cet exercice est de déterminer le nombre de virages, tantôt à gauche, tantôt "
            "à droite que vous ferez en cheminant le long de ce parcours."),
        240, 2160, 4935, 255);
    Label7 = addTimeSentence(textFrame, "Label7", 240, 3600, 4935, 495);
    addGoodLuck(textFrame, 240, 4560);
    stackLabels({ Label5, Label2, Explications, Label7, Label3 });
}
