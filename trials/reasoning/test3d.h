#pragma once

#include "trials/reasoning/reasoningitem.h"

class Test3d : public ReasoningItem {
    Q_OBJECT
public:
    explicit Test3d(Forms &forms);
};
