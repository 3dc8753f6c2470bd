#include "screenchain.h"

#include "calcul1.h"
#include "dials/dialbank.h"
#include "dials/test4.h"
#include "form.h"
#include "forms.h"
#include "lengths/lengthtable.h"
#include "lengths/test5.h"
#include "paths/pathtable.h"
#include "paths/test2.h"
#include "pictures.h"
#include "presentation1.h"
#include "presentation2.h"
#include "presentation4.h"
#include "presentation5.h"
#include "reasoning/presentation3.h"
#include "reasoning/reasoningitem.h"
#include "resultats.h"
#include "spatial/spatialkey.h"
#include "spatial/test1.h"
#include "titre.h"

namespace {

template <class Screen> Form *make(Forms &forms)
{
    return new Screen(forms);
}

struct Row {
    ScreenId id;
    const char *name;
    Forms::Factory make;
};

void declare(Forms &forms, const Row &row)
{
    // A row out of place would send every screen after it to the wrong successor.
    if (forms.addScreen(QString::fromLatin1(row.name), row.make) != int(row.id))
        qFatal("Screen %s is declared out of its place in the chain", row.name);
}

} // namespace

void declareScreens(Forms &forms)
{
    const Row beforeReasoning[] = {
        { ScreenId::Titre, "Titre", make<Titre> },
        { ScreenId::Presentation1, "Presentation1", make<Presentation1> },
        { ScreenId::Test1, "Test1", make<Test1> },
        { ScreenId::Presentation2, "Presentation2", make<Presentation2> },
        { ScreenId::Test2, "Test2", make<Test2> },
        { ScreenId::Presentation3, "Presentation3", make<Presentation3> },
    };
    const Row afterReasoning[] = {
        { ScreenId::Presentation4, "Presentation4", make<Presentation4> },
        { ScreenId::Test4, "Test4", make<Test4> },
        { ScreenId::Presentation5, "Presentation5", make<Presentation5> },
        { ScreenId::Test5, "Test5", make<Test5> },
        { ScreenId::Calcul1, "Calcul1", make<Calcul1> },
        { ScreenId::Resultats, "Resultats", make<Resultats> },
    };
    for (const Row &row : beforeReasoning)
        declare(forms, row);
    int place = int(ScreenId::FirstReasoningItem);
    for (const ReasoningItems::Item &item : ReasoningItems::Items) {
        declare(forms, { ScreenId(place++), item.screen, [&item](Forms &forms) -> Form * {
                            return new ReasoningItem(forms, item);
                        } });
    }
    for (const Row &row : afterReasoning)
        declare(forms, row);
}

QStringList questionPictureNames()
{
    QStringList names;
    // Question 1 of each test is stored with its screen.
    auto addQuestions = [&names](QString (*pictureFile)(int), int questionCount) {
        for (int question = 2; question <= questionCount; ++question) {
            if (!names.contains(pictureFile(question)))
                names.append(pictureFile(question));
        }
    };
    addQuestions(SpatialKey::pictureFile, SpatialKey::QuestionCount);
    addQuestions(PathTable::pictureFile, PathTable::QuestionCount);
    addQuestions(DialBank::pictureFile, DialBank::QuestionCount);
    addQuestions(LengthTable::pictureFile, LengthTable::QuestionCount);
    return names;
}

bool checkQuestionPictures(Forms &forms)
{
    const QStringList missing = Pictures::unreadable(questionPictureNames());
    if (missing.isEmpty())
        return true;
    forms.showMessage(QStringLiteral("Les images suivantes sont introuvables ou illisibles :\n%1\n\n"
                                     "Le programme ne peut pas démarrer.")
                          .arg(missing.join(QStringLiteral(", "))));
    return false;
}
