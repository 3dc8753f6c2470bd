#pragma once

#include "questionbank.h"

#include <cstddef>

// All that the program's chain and start-up check, the picture generator, the booklets and the
// tests know of one test, kept in the test's own folder; testlist.h lists the five in order.
struct TestDescriptor {
    // The test's folder under trials/, tools/pictures/ and tools/booklet/.
    const char *stem;
    // The instruction screen before it, and its title, which the booklets take too.
    const char *instructionScreen;
    const char *instructionTitle;
    // The timed screen and its title; the reasoning test has no screen of its own, only its items.
    const char *testScreen;
    const char *testTitle;
    // One point for each right answer.
    int questionCount;
    // The pictures of its questions; none for the reasoning items, which are typed in.
    const QuestionBank *bank;
    // What the booklets' contents say of its pages, "%1" standing for the number of questions,
    // and how many columns its answers take in the key and the answer sheet.
    const char *bookletSummary;
    int keyColumns;
};

// The row of a reader's table that belongs to a test, each row naming its test as `test`; null
// when the table has none for it.
template <class Row, std::size_t Size> const Row *rowOf(const Row (&rows)[Size], const TestDescriptor &test)
{
    for (const Row &row : rows) {
        if (&row.test == &test)
            return &row;
    }
    return nullptr;
}
