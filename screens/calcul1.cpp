#include "calcul1.h"

#include "clock.h"
#include "controls.h"
#include "forms.h"
#include "temps.h"
#include "twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include <algorithm>

namespace {
constexpr int WaitSeconds = 30;
constexpr int PleaseWaitAfterSeconds = 5;
}

Calcul1::Calcul1(Forms &forms)
    : SessionScreen(forms, 11415, 8820)
{
    Label1 = makeLabel(
        this, "Label1", QStringLiteral("Calcul en cours..."), 5280, 2310, 1335, 255, sansFont(8.25));
    Label1->setWordWrap(false);
    growToFit(Label1);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(twipsRect(1800, 1950, 8415, 255));
    ProgressBar1->setRange(0, WaitSeconds);
    ProgressBar1->setTextVisible(false);

    Frame1 = makeFrame(this, "Frame1", QString(), 840, 4103, 10215, 1455);
    Label = makeLabel(Frame1, "Label", QStringLiteral("Veuillez patienter pendant le calcul de votre score."),
        360, 480, 9495, 495, sansFont(13.5, true));
    Label->setAlignment(Qt::AlignCenter);
    Frame1->hide();

    Timer1 = makeTimer(500);
    connect(Timer1, &QTimer::timeout, this, &Calcul1::Timer1_Timer);
}

void Calcul1::Form_Load()
{
    ProgressBar1->setValue(0);
    StartTime = forms.clock().now();
    Timer1->start();
}

void Calcul1::Timer1_Timer()
{
    if (!isLoaded())
        return;
    // "At least", not "equal": a tick that comes late must not skip the frame or the hand-over.
    const int elapsed = elapsedSeconds(StartTime, forms.clock().now());
    ProgressBar1->setValue(std::clamp(elapsed, 0, WaitSeconds));
    if (elapsed >= PleaseWaitAfterSeconds)
        Frame1->show();
    if (elapsed >= WaitSeconds) {
        Timer1->stop();
        showNext();
        Unload();
    }
}
