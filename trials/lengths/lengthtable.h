#pragma once

#include "questionbank.h"

#include <QString>

#include <array>

// Questions of the length-ratio test: the five values offered (top button first) and the right
// value, in tenths of the longer line.
namespace LengthTable {

constexpr int QuestionCount = 30;
constexpr int ButtonCount = 5;

extern const std::array<std::array<int, ButtonCount>, QuestionCount> ChoiceValues;
extern const std::array<int, QuestionCount> AnswerKey;

// The picture of question n (from 2), read by its bare file name.
QString pictureFile(int question);
// Question 1's picture, stored with the screen.
QString embeddedPicture();

// The test's questions as its screen and the tests read them.
extern const QuestionBank Bank;

} // namespace LengthTable
