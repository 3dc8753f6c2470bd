#pragma once

#include "forms.h"
#include "instructions.h"
#include "testdescriptor.h"

// What makes the screens of one test, registered (TestRegistry) by the file of its timed screen
// beside its instruction screen's content: the chain builds a test's screens from here, and the
// question papers print its instructions from here.
struct TestScreens {
    // Makes a screen of the chain, given the screen's name.
    using Maker = Forms::Factory (*)(const char *screen);

    const TestDescriptor &test;
    // What its instruction screen shows.
    const InstructionContent &instructions;
    // Makes its timed screen, or for the reasoning test each item by name.
    Maker timed;
    // An instruction screen with a class of its own; none: an InstructionScreen shows `instructions`.
    Maker ownInstructionScreen = nullptr;
};

// Makes a screen of its own class, whatever its name.
template <class Screen> Forms::Factory own(const char *)
{
    return [](Forms &forms) -> Form * { return new Screen(forms); };
}
