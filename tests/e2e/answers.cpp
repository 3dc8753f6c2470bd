// Prints the right answers of a whole pass, in the form the end-to-end script types and clicks
// them: per picture test, the number of the right button of each question (1 = the top or left
// one), and per reasoning item, the characters to type.
#include "dials/dialbank.h"
#include "lengths/lengthtable.h"
#include "paths/pathtable.h"
#include "reasoning/reasoningitems.h"
#include "spatial/spatialkey.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

template <class Numbers> void printLine(const char *screen, const Numbers &numbers)
{
    std::printf("%s", screen);
    for (int number : numbers)
        std::printf(" %d", number);
    std::printf("\n");
}

} // namespace

int main()
{
    printLine("Test1", SpatialKey::AnswerValues);
    printLine("Test2", PathTable::Counts);
    for (const ReasoningItems::Item &item : ReasoningItems::Items)
        std::printf("%s %.*s\n", item.screen, int(item.key.size()), item.key.data());
    printLine("Test4", DialBank::AnswerKey);
    std::array<int, LengthTable::QuestionCount> lengthButtons {};
    for (int question = 0; question < LengthTable::QuestionCount; ++question) {
        const auto &offered = LengthTable::ChoiceValues[size_t(question)];
        const auto right
            = std::find(offered.begin(), offered.end(), LengthTable::AnswerKey[size_t(question)]);
        lengthButtons[size_t(question)] = int(std::distance(offered.begin(), right)) + 1;
    }
    printLine("Test5", lengthButtons);
    return 0;
}
