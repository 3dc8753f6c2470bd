#pragma once

#include "instructionscreen.h"

class Presentation2 : public InstructionScreen {
    Q_OBJECT
public:
    explicit Presentation2(Forms &forms);

    QGroupBox *textFrame;
    QLabel *Label5;
    QLabel *Label2;
    QLabel *Explications;
    QLabel *Label6;
    QWidget *Line1;
    QWidget *Line2;
    QWidget *Line3;
};
