#pragma once

#include "trials/reasoning/reasoningitem.h"

class Test3a : public ReasoningItem {
    Q_OBJECT
public:
    explicit Test3a(Forms &forms);
};
