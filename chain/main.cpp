#include "clock.h"
#include "forms.h"
#include "screenchain.h"
#include "screenstyle.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("selection-pilotes"));
    // The program ends by its own End, never because a screen was hidden between two others.
    application.setQuitOnLastWindowClosed(false);
    application.setStyle(new ScreenStyle);

    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&qtTranslator);
    else
        qWarning("selection-pilotes: traductions de Qt introuvables, boutons standard en anglais");

    SteadyClock clock;
    Forms forms(clock);
    declareScreens(forms);

    if (!checkQuestionPictures(forms))
        return 1;

    forms.show(int(ScreenId::Titre));
    if (forms.hasEnded())
        return 0;
    return application.exec();
}
