#include "test3h.h"

#include "trials/reasoning/reasoningitems.h"

Test3h::Test3h(Forms &forms)
    : ReasoningItem(forms, ReasoningItems::item("Test3h"), QStringLiteral("Test3i"))
{
}
