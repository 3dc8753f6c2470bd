#pragma once

#include "testdescriptor.h"

#include <array>
#include <string_view>
#include <vector>

// The thirteen fill-in-the-blanks items of the reasoning test, in the order they are shown:
// what each screen writes, where its answer boxes stand and the character each box expects.
// Positions and widths are in twips; texts are UTF-8, their runs of blanks are part of them.
namespace ReasoningItems {

constexpr int ItemCount = 13;
// Adjacent boxes of a strip stand this far apart, so that they form one row of cells.
constexpr int BoxPitch = 480;
constexpr int BoxSize = 495;
constexpr int NoWord = -1;

// A piece of the puzzle text, 18-point bold.
struct Caption {
    const char *name;
    const char *text;
    int left;
    int top;
    int width = 0; // 0: as wide as its text
    // Index of the word of the item's first caption that this caption stands below.
    int underWord = NoWord;
};

struct Box {
    int left;
    int top;
    // The box completes the last term of the text before it, with no blank between them.
    bool followsText = false;
    int underWord = NoWord;
};

// A frame without caption holding the puzzle; the captions and boxes are then placed inside it.
struct Frame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Item {
    const char *screen;
    int titleWidth; // "Label1", the screen's title
    int promptLeft; // "Label4", "Complétez les blancs :"
    int promptTop;
    Frame frame; // zero width when the puzzle stands on the screen itself
    std::vector<Caption> captions;
    std::vector<Box> boxes; // in the order the answer reads
    std::string_view key; // one character per box: a digit, or an upper-case letter
};

extern const std::array<Item, ItemCount> Items;

// Its items are its screens ("Test3a"...), each titled as the test.
inline constexpr TestDescriptor Test {
    .stem = "reasoning",
    .instructionScreen = "Presentation3",
    .instructionTitle = "Test de raisonnement",
    .testScreen = "",
    .testTitle = "Test de raisonnement",
    .questionCount = ItemCount,
    .bank = nullptr,
    .bookletSummary = "%1 énoncés : la règle de chacun",
    .keyColumns = 5,
};

// The item of a screen ("Test3c"); throws std::out_of_range for a screen that has none.
const Item &item(std::string_view screen);

} // namespace ReasoningItems
