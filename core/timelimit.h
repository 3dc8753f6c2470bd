#pragma once

#include <QString>

#include <optional>

// The seconds allowed to each timed test until the examiner sets another limit.
constexpr qint16 DefaultTimeLimit = 120;

// A time limit as typed: in the user's regional settings ("60,5" in French), or with a plain
// decimal point. Rounded to the nearest whole number, a half to the even neighbour; refused when
// it is not a number or does not fit in 16 bits.
std::optional<qint16> parseTimeLimit(const QString &text);
