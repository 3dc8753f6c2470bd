#pragma once

#include "logosize.h"

#include <QByteArray>
#include <QImage>

class PictureOutput;

// The decoration of the screens: the logo shown on nearly every screen, and the illustration of
// the title screen.
namespace Decoration {

constexpr int LogoWidth = LogoSize.width();
constexpr int LogoHeight = LogoSize.height();
// The title screen shows the illustration in a 273 x 305 pixel frame, 32 pixels in and 64 down.
constexpr int TitleImageWidth = 208;
constexpr int TitleImageHeight = 200;

// The application icon is drawn on a square of this many units, from the logo's shapes.
constexpr double IconDesignSize = 128;
constexpr int IconSizes[] = { 16, 32, 48, 64, 128, 256 };

QImage drawLogo(int scale = 1);
QImage drawTitleImage(int scale = 1);
QImage drawIcon(int size);
QByteArray iconSvg();

// Logo.gif, Image.jpg and the icon at each size, and scalable.
void writeAll(PictureOutput &output);

} // namespace Decoration
