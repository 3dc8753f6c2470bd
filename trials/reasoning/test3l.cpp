#include "test3l.h"

#include "trials/reasoning/reasoningitems.h"

Test3l::Test3l(Forms &forms)
    : ReasoningItem(forms, ReasoningItems::item("Test3l"), QStringLiteral("Test3m"))
{
}
