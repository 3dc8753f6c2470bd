#pragma once

#include "trials/reasoning/reasoningitem.h"

class Test3i : public ReasoningItem {
    Q_OBJECT
public:
    explicit Test3i(Forms &forms);
};
