#pragma once

#include "trials/reasoning/reasoningitem.h"

class Test3f : public ReasoningItem {
    Q_OBJECT
public:
    explicit Test3f(Forms &forms);
};
