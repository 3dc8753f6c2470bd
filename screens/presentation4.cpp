#include "presentation4.h"

#include "controls.h"
#include "picturebox.h"
#include "twips.h"

#include <QGroupBox>

Presentation4::Presentation4(Forms &forms)
    : InstructionScreen(forms, { "Lecture de cadrans", 1080, 720 })
{
    // Below the logo, which reaches lower here than on the other screens.
    textFrame = makeFrame(this, "textFrame", QString(), 720, 1800, 9975, 1335);
    Explications = addExplanation(textFrame, "Explications",
        QStringLiteral(
            "A chaque question, il vous sera demandé de lire sur un cadran la valeur d'une donnée "
            "physique, et de choisir parmi 5 valeurs laquelle se rapporte à ce cadran. Vous avez 2 "
            "minutes pour trouver le plus possible de bonnes réponses."),
        240, 240, 9495, 255);
    growToFit(Explications);

    // This example box keeps its designed size: only the left of the panel shows.
    addExample(720, 3240, 9975, 3975, QStringLiteral(":/assets/exemple-cadran.jpg"), 360, 480);
    Picture1->setAutoSize(false);
    Picture1->setGeometry(twipsRect(360, 480, 4095, 2895));
    Label2 = addExplanation(exampleFrame, "Label2",
        QStringLiteral("Par exemple, ici, le compte-tours indique environ 6200 tours/min."), 4800, 720, 4935,
        255);
    Label7 = addTimeSentence(exampleFrame, "Label7", 4800, 1800, 4935, 495);
    stackLabels({ Label2, Label7 });
}
