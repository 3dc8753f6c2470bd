#pragma once

#include "dialspanel.h"

#include <QImage>
#include <QVector>

class PictureOutput;
class QPainter;

// The few colours of the panels and their antialiasing shades.
QVector<QRgb> dialPalette();
// The panel drawn with antialiasing, then mapped onto dialPalette() (an opaque RGB32 picture).
QImage drawDialPanel(const DialPanel &panel, int scale = 1);
// The same drawing on any painter, in panel pixels from the top left corner, without the palette.
void paintDialPanel(QPainter &painter, const DialPanel &panel);
// cadran2.gif to cadran9.gif of the output's series; for series 1, panel 2 again as the test
// screen's first picture (cadran2.jpg) and the instruction screen's example (exemple-cadran.jpg).
void writeDialPictures(PictureOutput &output);
