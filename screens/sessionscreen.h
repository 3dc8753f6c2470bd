#pragma once

#include "form.h"

class Titre;

// A screen of the session: it reads and writes the session variables, which the title screen
// holds for the whole run.
class SessionScreen : public Form {
    Q_OBJECT
protected:
    using Form::Form;

    Titre &titre() const;
};

// The title screen of a running program.
Titre &titreOf(const Forms &forms);
