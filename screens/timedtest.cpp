#include "timedtest.h"

#include "clock.h"
#include "controls.h"
#include "forms.h"
#include "temps.h"
#include "titre.h"

#include <QLabel>
#include <QTimer>

TimedTest::TimedTest(Forms &forms, int clientWidthTwips, int clientHeightTwips)
    : SessionScreen(forms, clientWidthTwips, clientHeightTwips)
    , Horloge(makeClockLabel(this, 0, 0))
    , Timer1(makeTimer(100))
{
    connect(Timer1, &QTimer::timeout, this, &TimedTest::Timer1_Timer);
}

void TimedTest::startClock()
{
    Timer1->start();
    StartTime = forms.clock().now();
}

void TimedTest::Timer1_Timer()
{
    if (!isLoaded())
        return;
    // The limit is read afresh at every tick, and the time recomputed from the clock: ticks
    // may come late or be dropped while the program is busy.
    const int remaining = titre().Time - elapsedSeconds(StartTime, forms.clock().now());
    if (remaining > 0) {
        Horloge->setText(clockText(remaining));
        return;
    }
    timeOut();
}
