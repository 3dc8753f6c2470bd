#include "test3a.h"

#include "trials/reasoning/reasoningitems.h"

Test3a::Test3a(Forms &forms)
    : ReasoningItem(forms, ReasoningItems::item("Test3a"), QStringLiteral("Test3b"))
{
}
