#pragma once

#include "instructionscreen.h"

class Presentation5 : public InstructionScreen {
    Q_OBJECT
public:
    explicit Presentation5(Forms &forms);

    QGroupBox *textFrame;
    QLabel *Explications;
    QLabel *Label2;
    QLabel *Label5;
    QLabel *Label6;
};
