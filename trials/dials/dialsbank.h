#pragma once

#include "questionbank.h"
#include "testdescriptor.h"

#include <QString>

#include <array>

// Question bank of the dial-reading test: 40 questions on 8 panels, five questions to a panel.
namespace DialsBank {

constexpr int QuestionCount = 40;
constexpr int ButtonCount = 5;
constexpr int QuestionsPerPanel = 5;
constexpr int FirstPanel = 2;
constexpr int LastPanel = 9;

// Instrument codes: 'C' rev counter, 'V' speed, 'P' oil pressure, 'A' ammeter, 'E' fuel, 'T' temperature.
inline constexpr std::array<char, QuestionCount> InstrumentCodes = {
    'C', 'V', 'P', 'T', 'E', 'T', 'A', 'P', 'V', 'C', // 1 to 10
    'A', 'V', 'P', 'T', 'E', 'T', 'E', 'P', 'V', 'C', // 11 to 20
    'C', 'V', 'P', 'A', 'E', 'T', 'A', 'P', 'V', 'C', // 21 to 30
    'T', 'A', 'P', 'V', 'E', 'T', 'E', 'P', 'C', 'A', // 31 to 40
};

// Offered values, top button first. Fuel values are fractions of a tank; all others are whole numbers.
inline constexpr std::array<std::array<double, ButtonCount>, QuestionCount> ChoiceValues = { {
    { 250, 2155, 2460, 2540, 3500 }, // 1
    { 23, 46, 50, 55, 58 },
    { 90, 100, 110, 125, 110 },
    { 40, 45, 48, 52, 62 },
    { 0.25, 0.45, 0.55, 0.7, 0.8 },
    { 100, 110, 120, 95, 85 }, // 6
    { -15, -11, -7, 7, 13 },
    { 25, 30, 45, 55, 35 },
    { 75, 87, 95, 198, 107 },
    { 630, 5640, 6180, 6310, 6350 },
    { 15, -3, 3, 50, -10 }, // 11
    { 161, 124, 150, 140, 175 },
    { 15, 120, 125, 10, 30 },
    { 49, 30, 52, 121, 119 },
    { 0.45, 0.3, 0.55, 0.6, 0.65 },
    { 80, 100, 85, 50, 70 }, // 16
    { 0.11, 0.15, 0.1, 1.1, 0.9 },
    { 600, 50, 42, 88, 62 },
    { 100, 129, 120, 121, 210 },
    { 3800, 1200, 3000, 380, 4200 },
    { 5820, 6200, 6180, 5080, 5085 }, // 21
    { 190, 72, 90, 150, 149 },
    { 190, 125, 120, 195, 110 },
    { -10, 0, 10, 20, 15 },
    { 0.4, 0.75, 0.71, 0.3, 0.24 },
    { 31, 75, 80, 52, 32 }, // 26
    { 9, 11, -9, -11, -4 },
    { 30, 40, 50, 110, 115 },
    { 122, 141, 135, 198, 130 },
    { 2510, 2500, 210, 1900, 2100 },
    { 80, 70, 105, 90, 73 }, // 31
    { -12, 8, 12, -8, 28 },
    { 90, 110, 95, 75, 45 },
    { 124, 175, 185, 165, 155 },
    { 0.51, 0.46, 0.45, 0.4, 0.6 },
    { 260, 255, 26, 20, 27 }, // 36
    { 0.32, 0.3, 0.2, 0.4, 0.12 },
    { 120, 150, 165, 170, 110 },
    { 2850, 3150, 280, 2650, 3100 },
    { 205, 18, 26, 20, 27 },
} };

// Number (1 to 5, from the top) of the button carrying the right value.
inline constexpr std::array<int, QuestionCount> AnswerKey = {
    3, 3, 4, 2, 4, 2, 2, 3, 3, 4, // 1 to 10
    3, 1, 5, 1, 1, 2, 5, 3, 2, 1, // 11 to 20
    1, 3, 2, 2, 5, 4, 1, 3, 2, 5, // 21 to 30
    1, 3, 2, 5, 5, 4, 3, 2, 1, 4, // 31 to 40
};

// What the screen asks of each instrument, the same words in the question paper.
struct InstrumentQuestion {
    char code;
    const char *text;
};
inline constexpr std::array<InstrumentQuestion, 6> InstrumentQuestions = { {
    { 'C', "Qu'indique le compte-tours ?" },
    { 'V', "Quelle est la vitesse ?" },
    { 'P', "Quelle est la pression d'huile ?" },
    { 'A', "Que vaut l'intensité, en Ampères ?" },
    { 'E', "Quel est le niveau d'essence ?" },
    { 'T', "Que vaut la température ?" },
} };

// The question asked of an instrument (UTF-8); empty for a code that names none.
constexpr const char *questionText(char code)
{
    for (const InstrumentQuestion &question : InstrumentQuestions) {
        if (question.code == code)
            return question.text;
    }
    return "";
}

constexpr bool isFraction(char code)
{
    return code == 'E';
}
// Panel number of question n (1-based): questions 1 to 5 are on panel 2, ..., 36 to 40 on panel 9.
constexpr int panelOf(int question)
{
    return (question - 1) / QuestionsPerPanel + FirstPanel;
}
inline double rightValue(int question)
{
    return ChoiceValues[question - 1][AnswerKey[question - 1] - 1];
}

// The test's questions as its screen and the tests read them. Question n reads its panel's
// file; the first panel is also stored with the screen for question 1.
inline constexpr QuestionBank Bank {
    .questionCount = QuestionCount,
    .embeddedFile = "cadran2.jpg",
    .fileStem = "cadran",
    .rightButton = keyedButton<AnswerKey>,
    .fileNumber = panelOf,
    .exampleFile = "exemple-cadran.jpg",
};

// The picture of panel p, read by its bare file name.
inline QString panelFile(int panel)
{
    return Bank.numberedFile(panel);
}

inline constexpr TestDescriptor Test {
    .stem = "dials",
    .instructionScreen = "Presentation4",
    .instructionTitle = "Lecture de cadrans",
    .testScreen = "Test4",
    .testTitle = "Lecture de cadrans",
    .questionCount = QuestionCount,
    .bank = &Bank,
    .bookletSummary = "%1 questions : le cadran demandé, sa graduation et les pièges",
    .keyColumns = 8,
};

} // namespace DialsBank
