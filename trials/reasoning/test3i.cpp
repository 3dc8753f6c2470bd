#include "test3i.h"

#include "trials/reasoning/reasoningitems.h"

Test3i::Test3i(Forms &forms)
    : ReasoningItem(forms, ReasoningItems::item("Test3i"), QStringLiteral("Test3j"))
{
}
