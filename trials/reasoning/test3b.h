#pragma once

#include "trials/reasoning/reasoningitem.h"

class Test3b : public ReasoningItem {
    Q_OBJECT
public:
    explicit Test3b(Forms &forms);
};
