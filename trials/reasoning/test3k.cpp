#include "test3k.h"

#include "trials/reasoning/reasoningitems.h"

Test3k::Test3k(Forms &forms)
    : ReasoningItem(forms, ReasoningItems::item("Test3k"), QStringLiteral("Test3l"))
{
}
