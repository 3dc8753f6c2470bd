#include "test3g.h"

#include "trials/reasoning/reasoningitems.h"

Test3g::Test3g(Forms &forms)
    : ReasoningItem(forms, ReasoningItems::item("Test3g"), QStringLiteral("Test3h"))
{
}
