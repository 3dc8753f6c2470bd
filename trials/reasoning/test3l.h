#pragma once

#include "trials/reasoning/reasoningitem.h"

class Test3l : public ReasoningItem {
    Q_OBJECT
public:
    explicit Test3l(Forms &forms);
};
