#pragma once

#include "trials/reasoning/reasoningitem.h"

class Test3k : public ReasoningItem {
    Q_OBJECT
public:
    explicit Test3k(Forms &forms);
};
