#include "temps.h"

#include <cmath>

QString PadTwoDigits(const int &number)
{
    if (number > 9)
        return QString::number(number);
    return QStringLiteral("0") + QString::number(number);
}

int elapsedSeconds(double start, double now)
{
    return static_cast<int>(std::floor(now - start));
}

QString clockText(int remainingSeconds)
{
    const int minutes = remainingSeconds / 60;
    const int seconds = remainingSeconds % 60;
    return PadTwoDigits(minutes) + QLatin1Char(':') + PadTwoDigits(seconds);
}
