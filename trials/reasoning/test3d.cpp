#include "test3d.h"

#include "trials/reasoning/reasoningitems.h"

Test3d::Test3d(Forms &forms)
    : ReasoningItem(forms, ReasoningItems::item("Test3d"), QStringLiteral("Test3e"))
{
}
