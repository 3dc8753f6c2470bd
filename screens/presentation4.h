#pragma once

#include "instructionscreen.h"

class Presentation4 : public InstructionScreen {
    Q_OBJECT
public:
    explicit Presentation4(Forms &forms);

    QGroupBox *textFrame;
    QLabel *Explications;
    QLabel *Label2;
};
