#include "test3c.h"

#include "trials/reasoning/reasoningitems.h"

Test3c::Test3c(Forms &forms)
    : ReasoningItem(forms, ReasoningItems::item("Test3c"), QStringLiteral("Test3d"))
{
}
