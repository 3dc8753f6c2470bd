#pragma once

#include "clock.h"
#include "forms.h"

#include <QTranslator>

class QApplication;

// The program as main() starts it: Qt's own buttons in French, the real clock, every screen of
// the chain, and the question pictures checked before the title screen shows.
class Program {
public:
    explicit Program(QApplication &application);

    // Checks the question pictures, then shows the title screen. Returns false when the program
    // cannot start; the candidate has been told why.
    bool start();

    Forms &forms() { return screens; }

private:
    QTranslator qtTranslator;
    SteadyClock clock;
    Forms screens { clock };
};
