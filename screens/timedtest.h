#pragma once

#include "sessionscreen.h"

class QLabel;
class QTimer;

// A test screen with its own clock: "Timer1" ticks every 100 ms while the test runs and
// "Horloge" shows the time left; when the limit is used up the test hands over.
class TimedTest : public SessionScreen {
    Q_OBJECT
public:
    QLabel *Horloge;
    QTimer *Timer1;
    double StartTime = 0;

    void Timer1_Timer();

protected:
    TimedTest(Forms &forms, int clientWidthTwips, int clientHeightTwips);

    // The last two steps of the test's Form_Load: enable Timer1, then take StartTime.
    void startClock();
    // Leaves the test for the next screen, as after its last question.
    virtual void timeOut() = 0;
};
