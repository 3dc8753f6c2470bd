#include "sessionscreen.h"

#include "forms.h"
#include "titre.h"

Titre &SessionScreen::titre() const
{
    return titreOf(forms);
}

Titre &titreOf(const Forms &forms)
{
    // The title screen is the first to load and is never unloaded while a screen acts.
    Titre *titre = forms.find<Titre>();
    if (!titre)
        qFatal("The title screen is not loaded");
    return *titre;
}
