#include "screenchain.h"

#include "app/forms.h"
#include "app/pictures.h"
#include "screens/calcul1.h"
#include "screens/presentation1.h"
#include "screens/presentation2.h"
#include "screens/presentation4.h"
#include "screens/presentation5.h"
#include "screens/resultats.h"
#include "screens/titre.h"
#include "trials/dials/dialbank.h"
#include "trials/dials/test4.h"
#include "trials/lengths/lengthtable.h"
#include "trials/lengths/test5.h"
#include "trials/paths/pathtable.h"
#include "trials/paths/test2.h"
#include "trials/reasoning/presentation3.h"
#include "trials/reasoning/test3a.h"
#include "trials/reasoning/test3b.h"
#include "trials/reasoning/test3c.h"
#include "trials/reasoning/test3d.h"
#include "trials/reasoning/test3e.h"
#include "trials/reasoning/test3f.h"
#include "trials/reasoning/test3g.h"
#include "trials/reasoning/test3h.h"
#include "trials/reasoning/test3i.h"
#include "trials/reasoning/test3j.h"
#include "trials/reasoning/test3k.h"
#include "trials/reasoning/test3l.h"
#include "trials/reasoning/test3m.h"
#include "trials/spatial/spatialkey.h"
#include "trials/spatial/test1.h"

void registerScreens(Forms &forms)
{
    forms.registerScreen<Titre>(QStringLiteral("Titre"));
    forms.registerScreen<Presentation1>(QStringLiteral("Presentation1"));
    forms.registerScreen<Test1>(QStringLiteral("Test1"));
    forms.registerScreen<Presentation2>(QStringLiteral("Presentation2"));
    forms.registerScreen<Test2>(QStringLiteral("Test2"));
    forms.registerScreen<Presentation3>(QStringLiteral("Presentation3"));
    forms.registerScreen<Test3a>(QStringLiteral("Test3a"));
    forms.registerScreen<Test3b>(QStringLiteral("Test3b"));
    forms.registerScreen<Test3c>(QStringLiteral("Test3c"));
    forms.registerScreen<Test3d>(QStringLiteral("Test3d"));
    forms.registerScreen<Test3e>(QStringLiteral("Test3e"));
    forms.registerScreen<Test3f>(QStringLiteral("Test3f"));
    forms.registerScreen<Test3g>(QStringLiteral("Test3g"));
    forms.registerScreen<Test3h>(QStringLiteral("Test3h"));
    forms.registerScreen<Test3i>(QStringLiteral("Test3i"));
    forms.registerScreen<Test3j>(QStringLiteral("Test3j"));
    forms.registerScreen<Test3k>(QStringLiteral("Test3k"));
    forms.registerScreen<Test3l>(QStringLiteral("Test3l"));
    forms.registerScreen<Test3m>(QStringLiteral("Test3m"));
    forms.registerScreen<Presentation4>(QStringLiteral("Presentation4"));
    forms.registerScreen<Test4>(QStringLiteral("Test4"));
    forms.registerScreen<Presentation5>(QStringLiteral("Presentation5"));
    forms.registerScreen<Test5>(QStringLiteral("Test5"));
    forms.registerScreen<Calcul1>(QStringLiteral("Calcul1"));
    forms.registerScreen<Resultats>(QStringLiteral("Resultats"));
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
