#include "test3j.h"

#include "trials/reasoning/reasoningitems.h"

Test3j::Test3j(Forms &forms)
    : ReasoningItem(forms, ReasoningItems::item("Test3j"), QStringLiteral("Test3k"))
{
}
