#pragma once

#include "trials/reasoning/reasoningitem.h"

class Test3c : public ReasoningItem {
    Q_OBJECT
public:
    explicit Test3c(Forms &forms);
};
