#pragma once

#include "sessionscreen.h"

class QGroupBox;
class QLabel;
class QProgressBar;
class QTimer;

// A fixed 30-second wait between the last test and the results, with a progress bar.
class Calcul1 : public SessionScreen {
    Q_OBJECT
public:
    explicit Calcul1(Forms &forms);

    QLabel *Label1;
    QProgressBar *ProgressBar1;
    QGroupBox *Frame1;
    QLabel *Label;
    QTimer *Timer1;
    double StartTime = 0;

    void Timer1_Timer();

protected:
    void Form_Load() override;
};
