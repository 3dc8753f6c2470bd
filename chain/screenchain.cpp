#include "screenchain.h"

#include "calcul1.h"
#include "dials/dialsbank.h"
#include "dials/test4.h"
#include "form.h"
#include "forms.h"
#include "instructionscreen.h"
#include "lengths/lengthsbank.h"
#include "lengths/test5.h"
#include "paths/pathsbank.h"
#include "paths/test2.h"
#include "pictures.h"
#include "reasoning/presentation3.h"
#include "reasoning/reasoningitem.h"
#include "reasoning/reasoningitems.h"
#include "resultats.h"
#include "spatial/spatialbank.h"
#include "spatial/test1.h"
#include "titre.h"

namespace {

// What makes the screen of a row, from the row's name.
using Maker = Forms::Factory (*)(const char *screen);

template <class Screen> Forms::Factory own(const char *)
{
    return [](Forms &forms) -> Form * { return new Screen(forms); };
}

Forms::Factory instructionScreen(const char *screen)
{
    const InstructionContent &content = Instructions::content(screen);
    return [&content](Forms &forms) -> Form * { return new InstructionScreen(forms, content); };
}

Forms::Factory reasoningItem(const char *screen)
{
    const ReasoningItems::Item &item = ReasoningItems::item(screen);
    return [&item](Forms &forms) -> Form * { return new ReasoningItem(forms, item); };
}

// A screen of the chain and the one that follows it. The reasoning items also name the screen
// that the reasoning clock brings up when it runs out on them.
struct Row {
    const char *name;
    Maker make;
    const char *next;
    const char *afterTimeOut = "";
};

} // namespace

void declareScreens(Forms &forms)
{
    const Row chain[] = {
        { "Titre", own<Titre>, "Presentation1" },
        { "Presentation1", instructionScreen, "Test1" },
        { "Test1", own<Test1>, "Presentation2" },
        { "Presentation2", instructionScreen, "Test2" },
        { "Test2", own<Test2>, "Presentation3" },
        { "Presentation3", own<Presentation3>, "Test3a" },
        { "Test3a", reasoningItem, "Test3b", "Presentation4" },
        { "Test3b", reasoningItem, "Test3c", "Presentation4" },
        { "Test3c", reasoningItem, "Test3d", "Presentation4" },
        { "Test3d", reasoningItem, "Test3e", "Presentation4" },
        { "Test3e", reasoningItem, "Test3f", "Presentation4" },
        { "Test3f", reasoningItem, "Test3g", "Presentation4" },
        { "Test3g", reasoningItem, "Test3h", "Presentation4" },
        { "Test3h", reasoningItem, "Test3i", "Presentation4" },
        { "Test3i", reasoningItem, "Test3j", "Presentation4" },
        { "Test3j", reasoningItem, "Test3k", "Presentation4" },
        { "Test3k", reasoningItem, "Test3l", "Presentation4" },
        { "Test3l", reasoningItem, "Test3m", "Presentation4" },
        { "Test3m", reasoningItem, "Presentation4", "Presentation4" },
        { "Presentation4", instructionScreen, "Test4" },
        { "Test4", own<Test4>, "Presentation5" },
        { "Presentation5", instructionScreen, "Test5" },
        { "Test5", own<Test5>, "Calcul1" },
        { "Calcul1", own<Calcul1>, "Resultats" },
        // "Recommencer": the title screen, hidden since the first pass, shows again.
        { "Resultats", own<Resultats>, "Titre" },
    };
    for (const Row &row : chain) {
        forms.addScreen(QString::fromLatin1(row.name), row.make(row.name), QString::fromLatin1(row.next),
            QString::fromLatin1(row.afterTimeOut));
    }
}

void showTitleScreen(Forms &forms)
{
    forms.show(QStringLiteral("Titre"));
}

QStringList questionPictureNames()
{
    QStringList names;
    for (const QuestionBank *bank :
        { &SpatialBank::Bank, &PathsBank::Bank, &DialsBank::Bank, &LengthsBank::Bank }) {
        // Question 1 of each test is stored with its screen.
        for (int question = 2; question <= bank->questionCount; ++question) {
            if (!names.contains(bank->pictureFile(question)))
                names.append(bank->pictureFile(question));
        }
    }
    return names;
}

QString questionPicturesProblem()
{
    const QStringList missing = Pictures::unreadable(questionPictureNames());
    if (missing.isEmpty())
        return QString();
    return QStringLiteral("Les images suivantes sont introuvables ou illisibles :\n%1\n\n"
                          "Le programme ne peut pas démarrer.")
        .arg(missing.join(QStringLiteral(", ")));
}

bool checkQuestionPictures(Forms &forms)
{
    const QString problem = questionPicturesProblem();
    if (problem.isEmpty())
        return true;
    // Before the first screen shows: the message stands alone.
    forms.showMessage(nullptr, problem);
    return false;
}
