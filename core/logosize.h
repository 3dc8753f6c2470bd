#pragma once

#include <QSize>

// The logo of nearly every screen, in pixels: the generator draws it at this size and the
// screens show it in a box of this size.
constexpr QSize LogoSize(101, 67);
