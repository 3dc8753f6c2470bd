#pragma once

#include "dials/dialsbank.h"
#include "lengths/lengthsbank.h"
#include "paths/pathsbank.h"
#include "reasoning/reasoningitems.h"
#include "spatial/spatialbank.h"
#include "testdescriptor.h"

#include <array>

// The tests in the order a candidate takes them. The chain of screens, the start-up picture check,
// the booklets and the tests' expected scores read this list: a new test is a new row.
namespace Tests {

inline constexpr std::array<const TestDescriptor *, 5> All = {
    &SpatialBank::Test,
    &PathsBank::Test,
    &ReasoningItems::Test,
    &DialsBank::Test,
    &LengthsBank::Test,
};

// The best score of a pass: every question of every test right.
constexpr int maximumScore()
{
    int total = 0;
    for (const TestDescriptor *test : All)
        total += test->questionCount;
    return total;
}

} // namespace Tests
