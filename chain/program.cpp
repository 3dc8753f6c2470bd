#include "program.h"

#include "screenchain.h"
#include "screenstyle.h"

#include <QApplication>
#include <QLibraryInfo>

Program::Program(QApplication &application)
{
    application.setApplicationName(QStringLiteral("selection-pilotes"));
    // The program ends by its own End, never because a screen was hidden between two others.
    application.setQuitOnLastWindowClosed(false);
    application.setStyle(new ScreenStyle);

    if (qtTranslator.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&qtTranslator);
    else
        qWarning("selection-pilotes: traductions de Qt introuvables, boutons standard en anglais");

    declareScreens(screens);
}

bool Program::start()
{
    if (!checkQuestionPictures(screens))
        return false;
    screens.show(int(ScreenId::Titre));
    return true;
}
