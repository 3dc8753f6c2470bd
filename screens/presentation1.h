#pragma once

#include "instructionscreen.h"

class Presentation1 : public InstructionScreen {
    Q_OBJECT
public:
    explicit Presentation1(Forms &forms);

    QGroupBox *textFrame;
    QLabel *Explications;
    QLabel *Label2;
    QLabel *Label5;
    QLabel *Label6;
};
