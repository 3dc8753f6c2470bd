#pragma once

#include "questionbank.h"
#include "testdescriptor.h"

#include <QString>

#include <algorithm>
#include <array>

// Questions of the length-ratio test: the five values offered (top button first) and the right
// value, in tenths of the longer line.
namespace LengthsBank {

constexpr int QuestionCount = 30;
constexpr int ButtonCount = 5;

inline constexpr std::array<std::array<int, ButtonCount>, QuestionCount> ChoiceValues = { {
    { 2, 1, 4, 3, 5 },
    { 6, 5, 7, 3, 4 },
    { 2, 1, 3, 4, 5 },
    { 5, 6, 7, 8, 9 },
    { 5, 7, 6, 9, 8 },
    { 6, 7, 4, 3, 5 },
    { 4, 5, 1, 2, 3 },
    { 6, 3, 4, 5, 2 },
    { 5, 4, 2, 1, 3 },
    { 9, 6, 7, 5, 8 },
    { 3, 2, 5, 4, 6 },
    { 7, 6, 4, 2, 5 },
    { 8, 9, 5, 7, 6 },
    { 6, 3, 2, 4, 5 },
    { 2, 3, 5, 6, 4 },
    { 7, 3, 5, 6, 4 },
    { 7, 4, 6, 9, 8 },
    { 5, 9, 6, 7, 8 },
    { 5, 6, 9, 4, 8 },
    { 2, 5, 3, 6, 1 },
    { 1, 3, 4, 5, 2 },
    { 5, 6, 7, 4, 3 },
    { 4, 3, 6, 5, 8 },
    { 3, 8, 2, 7, 9 },
    { 7, 9, 4, 5, 6 },
    { 2, 7, 6, 9, 4 },
    { 4, 1, 3, 5, 6 },
    { 1, 9, 8, 5, 6 },
    { 2, 1, 3, 4, 7 },
    { 7, 2, 8, 3, 4 },
} };

inline constexpr std::array<int, QuestionCount> AnswerKey = {
    2, 6, 1, 8, 8, 7, 4, 3, 2, 6, // 1 to 10
    6, 6, 7, 4, 5, 7, 8, 6, 4, 1, // 11 to 20
    5, 5, 4, 8, 4, 9, 3, 5, 7, 8, // 21 to 30
};

// The button offering the right value; -1 when none does.
inline int rightButton(int question)
{
    const auto &offered = ChoiceValues[size_t(question - 1)];
    const auto found = std::find(offered.begin(), offered.end(), AnswerKey[size_t(question - 1)]);
    return found == offered.end() ? -1 : int(found - offered.begin());
}

// The test's questions as its screen and the tests read them.
inline constexpr QuestionBank Bank {
    .questionCount = QuestionCount,
    .embeddedFile = "barre1.jpg",
    .fileStem = "barre",
    .rightButton = rightButton,
};

// The instructions say "Estimation", the test screen "Estimations".
inline constexpr TestDescriptor Test {
    .stem = "lengths",
    .instructionScreen = "Presentation5",
    .instructionTitle = "Estimation de longueurs",
    .testScreen = "Test5",
    .testTitle = "Estimations de longueurs",
    .questionCount = QuestionCount,
    .bank = &Bank,
    .bookletSummary = "%1 questions : la règle graduée en dixièmes",
    .keyColumns = 10,
};

} // namespace LengthsBank
