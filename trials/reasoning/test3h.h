#pragma once

#include "trials/reasoning/reasoningitem.h"

class Test3h : public ReasoningItem {
    Q_OBJECT
public:
    explicit Test3h(Forms &forms);
};
