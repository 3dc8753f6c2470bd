#pragma once

#include <QStringList>

class Forms;

// Makes every screen of the chain known to the form owner by its name.
void registerScreens(Forms &forms);

// The question pictures the tests read by name; all must be there before a candidate starts.
QStringList questionPictureNames();

// Looks every question picture up before a candidate starts. When some are missing or are not
// pictures, tells which in one French message and returns false.
bool checkQuestionPictures(Forms &forms);
