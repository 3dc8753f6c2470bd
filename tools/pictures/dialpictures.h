#pragma once

#include "dialpanel.h"

#include <QImage>
#include <QVector>

class PictureOutput;

// The few colours of the panels and their antialiasing shades.
QVector<QRgb> dialPalette();
// The panel drawn with antialiasing, then mapped onto dialPalette() (an opaque RGB32 picture).
QImage drawDialPanel(const DialPanel &panel, int scale = 1);
// cadran2.gif to cadran9.gif; panel 2 again as the test screen's first picture (cadran2.jpg); the
// instruction screen's example (exemple-cadran.jpg).
void writeDialPictures(PictureOutput &output);
