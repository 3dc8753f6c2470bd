#pragma once

#include "questionbank.h"

#include <QString>

#include <array>

// Questions of the path turn-counting test: the direction to count and the right count.
namespace PathTable {

constexpr int QuestionCount = 30;
constexpr int ButtonCount = 8;

// 'R': count the turns to the right, 'L': to the left.
extern const std::array<char, QuestionCount> Directions;
extern const std::array<int, QuestionCount> Counts;

// The picture of question n (from 2), read by its bare file name.
QString pictureFile(int question);
// Question 1's picture, stored with the screen.
QString embeddedPicture();

// The test's questions as its screen and the tests read them.
extern const QuestionBank Bank;

} // namespace PathTable
