#pragma once

#include "trials/reasoning/reasoningitem.h"

// The last item: its "&Suivant >" ends the reasoning test.
class Test3m : public ReasoningItem {
    Q_OBJECT
public:
    explicit Test3m(Forms &forms);

protected:
    void showNext() override;
};
