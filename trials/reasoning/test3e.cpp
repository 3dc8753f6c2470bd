#include "test3e.h"

#include "trials/reasoning/reasoningitems.h"

Test3e::Test3e(Forms &forms)
    : ReasoningItem(forms, ReasoningItems::item("Test3e"), QStringLiteral("Test3f"))
{
}
