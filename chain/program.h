#pragma once

#include "clock.h"
#include "forms.h"

#include <QObject>
#include <QTranslator>

class QApplication;

// The program as main() starts it: Qt's own buttons in French, the real clock, every screen of
// the chain, and the question pictures checked before a candidate can leave the title screen.
class Program : public QObject {
public:
    explicit Program(QApplication &application);

    // Shows the title screen. The windows get their icon and the question pictures are checked
    // once it is painted, or at the first key or click if one comes before; when some pictures are
    // missing, the candidate is told which and the event loop ends with exit code 1.
    void start();

    // Whether the check of the question pictures has run, whatever it found.
    bool picturesChecked() const { return checked; }

    Forms &forms() { return screens; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void finishStartUp();

    QTranslator qtTranslator;
    SteadyClock clock;
    Forms screens { clock };
    bool armed = false;
    bool checkQueued = false;
    bool checked = false;
    int exitCode = 0;
};
