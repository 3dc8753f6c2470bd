#include "presentation5.h"

#include "controls.h"

#include <QGroupBox>

Presentation5::Presentation5(Forms &forms)
    : InstructionScreen(forms, { "Estimation de longueurs", 1080, 240, "Test4" })
{
    addExample(600, 1680, 2760, 5640, QStringLiteral(":/assets/barre1.jpg"), 600, 1200);

    textFrame = makeFrame(this, "textFrame", QString(), 3600, 1680, 7215, 5640);
    Explications = addExplanation(textFrame, "Explications",
        QStringLiteral(
            "Ce test a pour but de mesurer votre capacité à estimer un rapport entre deux longueurs."),
        240, 240, 6735, 255);
    Label2 = addExplanation(textFrame, "Label2",
        QStringLiteral("Chaque exercice comporte un rectangle contenant deux lignes parallèles de longueurs "
                       "différentes."),
        240, 840, 6735, 255);
    Label5 = addExplanation(textFrame, "Label5",
        QStringLiteral(
            " Il s'agit pour vous de déterminer en dixièmes le rapport de la plus courte à la plus "
            "grande."),
        240, 1440, 6735, 255);
    Label6 = addExplanation(textFrame, "Label6",
        QStringLiteral(
            " Regardez l'exemple ci-contre : la ligne la plus courte mesure le cinquième de l'autre, "
            "autrement dit, elle en représente les 2/10e. La bonne réponse est donc 2. Vous avez deux "
            "minutes pour effectuer ce test."),
        240, 2040, 6735, 255);
    Label7 = addTimeSentence(textFrame, "Label7", 240, 3240, 6735, 495);
    addGoodLuck(textFrame, 240, 4080);
    stackLabels({ Explications, Label2, Label5, Label6, Label7, Label3 });
}
