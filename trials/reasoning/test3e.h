#pragma once

#include "trials/reasoning/reasoningitem.h"

class Test3e : public ReasoningItem {
    Q_OBJECT
public:
    explicit Test3e(Forms &forms);
};
