#pragma once

#include "questionbank.h"
#include "testdescriptor.h"

#include <QString>

#include <array>

// Answer key of the spatial assembly test. Answer values: A = 1 ... E = 5.
namespace SpatialBank {

constexpr int QuestionCount = 60;
constexpr int ChoiceCount = 5;

inline constexpr std::array<int, QuestionCount> AnswerValues = {
    5, 3, 1, 4, 2, 1, 4, 2, 4, 2, // 1 to 10
    5, 3, 4, 5, 1, 3, 4, 1, 1, 3, // 11 to 20
    5, 1, 4, 4, 2, 1, 1, 3, 1, 3, // 21 to 30
    3, 4, 5, 5, 2, 2, 5, 2, 2, 4, // 31 to 40
    5, 2, 1, 1, 1, 3, 5, 4, 2, 3, // 41 to 50
    2, 2, 3, 2, 2, 5, 4, 5, 2, 4, // 51 to 60
};

// Letter of an answer value: 1 -> 'A'.
constexpr char letterOf(int answerValue)
{
    return static_cast<char>('A' + answerValue - 1);
}

// The test's questions as its screen and the tests read them. The buttons read "A" to "E", from
// the top.
inline constexpr QuestionBank Bank {
    .questionCount = QuestionCount,
    .embeddedFile = "spatial1.jpg",
    .fileStem = "image",
    .rightButton = keyedButton<AnswerValues>,
};

inline constexpr TestDescriptor Test {
    .stem = "spatial",
    .instructionScreen = "Presentation1",
    .instructionTitle = "Test spatial",
    .testScreen = "Test1",
    .testTitle = "Test spatial",
    .questionCount = QuestionCount,
    .bank = &Bank,
    .bookletSummary = "%1 questions : les pièces remises en place",
    .keyColumns = 10,
};

} // namespace SpatialBank
