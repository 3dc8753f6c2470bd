#pragma once

class QFont;
class QLabel;
class QLineEdit;
class QString;
class QWidget;

// Controls shared by the reasoning screens: the worked example of the instructions is drawn
// like the items.

// The face of the puzzle texts and of the answer boxes: 18-point bold.
QFont puzzleFont();
// The puzzles separate their terms by three blanks: the width of that gap in the puzzle face.
int termGapWidth();

// A one-line label, placed in twips, that grows to its text rather than cut it when the face
// found here is wider than the one it was designed for.
QLabel *makeLineLabel(
    QWidget *parent, const char *name, const QString &text, int left, int top, int width, const QFont &font);

// A one-character answer cell, 495 x 495 twips, its character centred.
QLineEdit *makeAnswerBox(QWidget *parent, const char *name, int left, int top);
