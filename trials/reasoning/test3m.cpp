#include "test3m.h"

#include "app/forms.h"
#include "trials/reasoning/presentation3.h"
#include "trials/reasoning/reasoningitems.h"

#include <QTimer>

Test3m::Test3m(Forms &forms)
    : ReasoningItem(forms, ReasoningItems::item("Test3m"), QStringLiteral("Presentation4"))
{
}

void Test3m::showNext()
{
    // Any time left is dropped: the clock stops before the dial test's instructions show.
    if (auto instructions = forms.find<Presentation3>())
        instructions->Timer1->stop();
    ReasoningItem::showNext();
}
