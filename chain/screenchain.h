#pragma once

#include "reasoning/reasoningitems.h"

#include <QStringList>

class Forms;

// The screens in the order a candidate meets them: an id is a screen's row in the chain. The
// reasoning items take their rows from their place in the item table.
enum class ScreenId : int {
    Titre,
    Presentation1,
    Test1,
    Presentation2,
    Test2,
    Presentation3,
    FirstReasoningItem,
    Presentation4 = FirstReasoningItem + ReasoningItems::ItemCount,
    Test4,
    Presentation5,
    Test5,
    Calcul1,
    Resultats,
};

// Declares every screen of the chain to the form owner, each under its id and its name.
void declareScreens(Forms &forms);

// The question pictures the tests read by name; all must be there before a candidate starts.
QStringList questionPictureNames();

// Looks every question picture up before a candidate starts. When some are missing or are not
// pictures, tells which in one French message and returns false.
bool checkQuestionPictures(Forms &forms);
