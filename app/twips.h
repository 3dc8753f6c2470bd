#pragma once

#include <QRect>
#include <QSize>

// Screen layouts are designed in twips, 15 to a pixel at 96 dots per inch.
constexpr int TwipsPerPixel = 15;

constexpr int px(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

// A control's place inside its container, in twips.
struct TwipsPlace {
    int left;
    int top;
    int width;
    int height;
};

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

inline QSize twipsSize(int width, int height)
{
    return QSize(px(width), px(height));
}
