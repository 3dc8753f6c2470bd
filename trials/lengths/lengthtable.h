#pragma once

#include <array>

// Questions of the length-ratio test: the five values offered (top button first) and the right
// value, in tenths of the longer line.
namespace LengthTable {

constexpr int QuestionCount = 30;
constexpr int ButtonCount = 5;

extern const std::array<std::array<int, ButtonCount>, QuestionCount> ChoiceValues;
extern const std::array<int, QuestionCount> AnswerKey;

} // namespace LengthTable
