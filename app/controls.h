#pragma once

#include <QFont>
#include <QString>

class PictureBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QWidget;

// Builders for the controls of the screens, placed in twips (left, top, width, height) inside
// their container, each carrying its control name as object name.

// The screens' sans-serif face, and the wide humanist face of the explanations.
QFont sansFont(double pointSize, bool bold = false, bool italic = false);
QFont explanationFont(bool italic = false);

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, int left, int top, int width,
    int height, const QFont &font);
// A repeat of a held Enter key. It presses nothing: it would press the focused control of each
// screen or prompt that follows the first press.
bool isRepeatedEnter(const QKeyEvent *event);
// A button that Enter presses when it has the focus.
QPushButton *makeButton(
    QWidget *parent, const char *name, const QString &caption, int left, int top, int width, int height);
QGroupBox *makeFrame(
    QWidget *parent, const char *name, const QString &caption, int left, int top, int width, int height);
// The screens are designed for a narrower face than the fallback fonts: a label grows, down when
// it wraps, to the right when it does not, rather than cut its text off.
void growToFit(QLabel *label);

PictureBox *makePictureBox(QWidget *parent, const char *name, int left, int top, int width, int height);
// The logo box of a screen, "Picture2", the logo's size.
PictureBox *makeLogoBox(QWidget *parent, int left, int top);
// The remaining-time label of the timed screens.
QLabel *makeClockLabel(QWidget *parent, int left, int top);

// A line shape drawn in its container from (x1, y1) to (x2, y2), in twips.
QWidget *makeLine(QWidget *parent, const char *name, int x1, int y1, int x2, int y2);
