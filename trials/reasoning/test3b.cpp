#include "test3b.h"

#include "trials/reasoning/reasoningitems.h"

Test3b::Test3b(Forms &forms)
    : ReasoningItem(forms, ReasoningItems::item("Test3b"), QStringLiteral("Test3c"))
{
}
