#pragma once

class QLineEdit;
class QWidget;

// A one-character answer cell of the reasoning test, 495 x 495 twips, 18-point bold, centred.
QLineEdit *makeAnswerBox(QWidget *parent, const char *name, int left, int top);
