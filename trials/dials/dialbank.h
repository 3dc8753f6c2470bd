#pragma once

#include "questionbank.h"

#include <QString>

#include <array>

// Question bank of the dial-reading test: 40 questions on 8 panels, five questions to a panel.
namespace DialBank {

constexpr int QuestionCount = 40;
constexpr int ButtonCount = 5;
constexpr int QuestionsPerPanel = 5;
constexpr int FirstPanel = 2;
constexpr int LastPanel = 9;

// Instrument codes: 'C' rev counter, 'V' speed, 'P' oil pressure, 'A' ammeter, 'E' fuel, 'T' temperature.
extern const std::array<char, QuestionCount> InstrumentCodes;
// Offered values, top button first. Fuel values are fractions of a tank; all others are whole numbers.
extern const std::array<std::array<double, ButtonCount>, QuestionCount> ChoiceValues;
// Number (1 to 5, from the top) of the button carrying the right value.
extern const std::array<int, QuestionCount> AnswerKey;

constexpr bool isFraction(char code)
{
    return code == 'E';
}
// Panel number of question n (1-based): questions 1 to 5 are on panel 2, ..., 36 to 40 on panel 9.
constexpr int panelOf(int question)
{
    return (question - 1) / QuestionsPerPanel + FirstPanel;
}
// The picture of panel p, read by its bare file name.
QString panelFile(int panel);
// The picture of question n: its panel's file.
QString pictureFile(int question);
// The first panel, stored with the screen for question 1 (its later questions read panelFile).
QString embeddedPicture();

inline double rightValue(int question)
{
    return ChoiceValues[question - 1][AnswerKey[question - 1] - 1];
}

// The test's questions as its screen and the tests read them.
extern const QuestionBank Bank;

} // namespace DialBank
