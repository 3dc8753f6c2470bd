#pragma once

#include "trials/reasoning/reasoningitem.h"

class Test3j : public ReasoningItem {
    Q_OBJECT
public:
    explicit Test3j(Forms &forms);
};
