#include "program.h"

#include "app/screenchain.h"
#include "app/screenstyle.h"

#include <QApplication>
#include <QLibraryInfo>

#include <cstdio>

Program::Program(QApplication &application)
{
    application.setApplicationName(QStringLiteral("selection-pilotes"));
    // The program ends by its own End, never because a screen was hidden between two others.
    application.setQuitOnLastWindowClosed(false);
    application.setStyle(new ScreenStyle);

    if (qtTranslator.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&qtTranslator);
    else
        std::fprintf(
            stderr, "selection-pilotes: traductions de Qt introuvables, boutons standard en anglais\n");

    registerScreens(screens);
}

bool Program::start()
{
    if (!checkQuestionPictures(screens))
        return false;
    screens.show(QStringLiteral("Titre"));
    return true;
}
