#pragma once

#include "questionbank.h"

#include <stdexcept>
#include <string>
#include <vector>

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

// The rows that readers keep of each test (its screens, its drawing, its booklet pages), each
// registered by the test's own file and naming its test as `test`, so that a new test adds files
// and edits no table. A file registers as its statics are set up, before main:
//     [[maybe_unused]] const bool Registered = TestRegistry<Row>::add({ .test = ..., ... });
// and a library of such files is linked whole, since nothing else refers to them.
template <class Row> class TestRegistry {
public:
    static bool add(const Row &row)
    {
        rows().push_back(row);
        return true;
    }

    // The row of a test; null when no file registered one.
    static const Row *find(const TestDescriptor &test)
    {
        for (const Row &row : rows()) {
            if (&row.test == &test)
                return &row;
        }
        return nullptr;
    }

    // The row of a test, for a reader that cannot go on without it: a test of the list with none
    // is an error of the build, thrown as "no <what> for the test <stem>".
    static const Row &of(const TestDescriptor &test, const char *what)
    {
        if (const Row *row = find(test))
            return *row;
        throw std::logic_error(std::string("no ") + what + " for the test " + test.stem);
    }

private:
    // Built on first use, whichever file registers first.
    static std::vector<Row> &rows()
    {
        static std::vector<Row> registered;
        return registered;
    }
};
