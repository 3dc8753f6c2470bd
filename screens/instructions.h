#pragma once

#include "testdescriptor.h"
#include "twips.h"

#include <vector>

// What an instruction screen before a test shows and where, kept beside the test's timed screen
// (testscreens.h). Places are in twips; texts are UTF-8.

// What an instruction screen shows.
struct InstructionContent {
    // The text of the label that states the time limit: it has none of its own, the screen
    // writes the limit in force at each showing.
    static constexpr const char *TimeSentence = nullptr;

    // A label of the explanation.
    struct Label {
        const char *name;
        const char *text;
        TwipsPlace place;
    };
    // A line drawn over the example, from (x1, y1) to (x2, y2).
    struct Line {
        const char *name;
        int x1;
        int y1;
        int x2;
        int y2;
    };
    // The "Exemple" frame and its picture stored with the program.
    struct Example {
        const char *resource;
        TwipsPlace frame;
        // Picture1 in the frame; a zero size takes the picture's own.
        TwipsPlace picture;
        bool border = false;
        // Captions over the picture, in the frames' small bold face, and lines.
        std::vector<Label> captions = {};
        std::vector<Line> lines = {};
        // Explanation labels in the frame, beside the picture, from top to bottom.
        std::vector<Label> explanation = {};
    };

    // The test it introduces: its screen's name and title.
    const TestDescriptor &test;
    int logoLeft;
    int logoTop;
    // The frame of the explanation and its labels, from top to bottom.
    TwipsPlace textFrame;
    std::vector<Label> explanation;
    // The top of "BONNE CHANCE !" under the explanation; 0 for none.
    int goodLuckTop;
    // No resource: the screen draws an example of its own.
    Example example;
    // The timed test before this screen, whose clock stops as it loads; null when none.
    const char *stopsClockOf;
};
