#pragma once

class QWidget;

// Decoration pictures, read afresh at every call so a replaced file shows on the next screen.
// A missing or unreadable picture leaves its box empty; the program goes on.

// Sizes the screen's "Picture2" box to the logo's size and puts "Logo.gif" into it.
void ShowLogo(QWidget &screen);
// Puts "Image.jpg" into the screen's "Picture1" box.
void ShowTitleImage(QWidget &screen);
