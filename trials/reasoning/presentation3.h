#pragma once

#include "instructionscreen.h"

class QLineEdit;
class QTimer;

// The instructions of the reasoning test, and its clock: when the test starts this screen hides
// but stays loaded, and its Timer1 counts the limit down across the thirteen item screens.
class Presentation3 : public InstructionScreen {
    Q_OBJECT
public:
    explicit Presentation3(Forms &forms);

    QGroupBox *Frame1;
    QLabel *Label6;
    QLineEdit *Text1;
    QLabel *Label2; // the time sentence
    QTimer *Timer1;
    double Start = 0; // clock reading when the candidate started the test

    void Timer1_Timer();

protected:
    void Command1_Click() override;
};
