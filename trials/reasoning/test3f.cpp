#include "test3f.h"

#include "trials/reasoning/reasoningitems.h"

Test3f::Test3f(Forms &forms)
    : ReasoningItem(forms, ReasoningItems::item("Test3f"), QStringLiteral("Test3g"))
{
}
