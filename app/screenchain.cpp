#include "screenchain.h"

#include "app/forms.h"
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
#include "trials/spatial/spatialkey.h"
#include "trials/spatial/test1.h"

void registerScreens(Forms &forms)
{
    forms.registerScreen<Titre>(QStringLiteral("Titre"));
    forms.registerScreen<Presentation1>(QStringLiteral("Presentation1"));
    forms.registerScreen<Test1>(QStringLiteral("Test1"));
    forms.registerScreen<Presentation2>(QStringLiteral("Presentation2"));
    forms.registerScreen<Test2>(QStringLiteral("Test2"));
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
    auto addRange = [&names](const char *prefix, int first, int last) {
        for (int n = first; n <= last; ++n)
            names.append(QString::fromLatin1(prefix) + QString::number(n) + QStringLiteral(".gif"));
    };
    // Question 1 of each test is stored with its screen.
    addRange("image", 2, SpatialKey::QuestionCount);
    addRange("chemin", 2, PathTable::QuestionCount);
    addRange("cadran", DialBank::FirstPanel, DialBank::LastPanel);
    addRange("barre", 2, LengthTable::QuestionCount);
    return names;
}
