#pragma once

#include "questionbank.h"
#include "testdescriptor.h"

#include <QString>

#include <array>

// Questions of the path turn-counting test: the direction to count and the right count.
namespace PathsBank {

constexpr int QuestionCount = 30;
constexpr int ButtonCount = 8;

// 'R': count the turns to the right, 'L': to the left.
inline constexpr std::array<char, QuestionCount> Directions = {
    'R', 'L', 'R', 'R', 'L', 'L', 'R', 'L', 'L', 'L', // 1 to 10
    'L', 'L', 'R', 'L', 'R', 'R', 'L', 'R', 'R', 'L', // 11 to 20
    'L', 'L', 'R', 'R', 'L', 'L', 'R', 'R', 'L', 'L', // 21 to 30
};

inline constexpr std::array<int, QuestionCount> Counts = {
    4, 3, 4, 2, 3, 4, 6, 6, 5, 6, // 1 to 10
    5, 4, 4, 5, 6, 4, 6, 4, 5, 6, // 11 to 20
    4, 4, 6, 5, 4, 4, 6, 4, 4, 6, // 21 to 30
};

// The test's questions as its screen and the tests read them. The buttons read "1" to "8".
inline constexpr QuestionBank Bank {
    .questionCount = QuestionCount,
    .embeddedFile = "chemin1.jpg",
    .fileStem = "chemin",
    .rightButton = keyedButton<Counts>,
};

inline constexpr TestDescriptor Test {
    .stem = "paths",
    .instructionScreen = "Presentation2",
    .instructionTitle = "Chemins",
    .testScreen = "Test2",
    .testTitle = "Chemins",
    .questionCount = QuestionCount,
    .bank = &Bank,
    .bookletSummary = "%1 parcours : chaque virage numéroté",
    .keyColumns = 10,
};

} // namespace PathsBank
