#pragma once

#include "trials/reasoning/reasoningitem.h"

class Test3g : public ReasoningItem {
    Q_OBJECT
public:
    explicit Test3g(Forms &forms);
};
