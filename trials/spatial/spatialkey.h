#pragma once

#include "questionbank.h"

#include <QString>

#include <array>

// Answer key of the spatial assembly test. Answer values: A = 1 ... E = 5.
namespace SpatialKey {

constexpr int QuestionCount = 60;
constexpr int ChoiceCount = 5;

extern const std::array<int, QuestionCount> AnswerValues;

// The picture of question n (from 2), read by its bare file name.
QString pictureFile(int question);
// Question 1's picture, stored with the screen.
QString embeddedPicture();

// Letter of an answer value: 1 -> 'A'.
constexpr char letterOf(int answerValue)
{
    return static_cast<char>('A' + answerValue - 1);
}

// The test's questions as its screen and the tests read them.
extern const QuestionBank Bank;

} // namespace SpatialKey
