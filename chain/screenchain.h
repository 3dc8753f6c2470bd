#pragma once

#include <QStringList>

class Forms;

// Declares every screen of the chain to the form owner, in the order a candidate meets them,
// each under its name and with the screens its row names after it.
void declareScreens(Forms &forms);
// Starts the chain: the title screen shows.
void showTitleScreen(Forms &forms);

// The question pictures the tests read by name; all must be there before a candidate starts.
QStringList questionPictureNames();

// Looks every question picture up: the French message that names those missing or not pictures,
// empty when there are none.
QString questionPicturesProblem();
// Looks every question picture up before a candidate starts. When some are missing or are not
// pictures, tells which in one French message and returns false.
bool checkQuestionPictures(Forms &forms);
