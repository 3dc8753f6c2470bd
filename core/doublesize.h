#pragma once

#include <QString>

// Beside each picture "name.ext" lies "name@2x.ext", the same picture drawn at twice the size for
// high-density screens. The generator writes it under this name and the program looks for it.
inline QString doubleSizeName(const QString &name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString marker = QStringLiteral("@2x");
    return dot < 0 ? name + marker : name.left(dot) + marker + name.mid(dot);
}
