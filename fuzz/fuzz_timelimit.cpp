// Any text typed into the time-limit prompt, under the regional settings the first byte picks.
#include "timelimit.h"

#include <QLocale>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static const QLocale locales[] = { QLocale(QLocale::French, QLocale::France),
        QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German, QLocale::Switzerland),
        QLocale(QLocale::Arabic, QLocale::Egypt) };
    QLocale::setDefault(locales[data[0] % std::size(locales)]);
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    // A limit that is kept reads back as itself when written in the same regional settings; but
    // Qt 6.4 cannot read the minus sign it writes for Arabic ("\u061C-").
    const auto limit = parseTimeLimit(text);
    const bool readable = limit && !(*limit < 0 && QLocale().language() == QLocale::Arabic);
    if (readable && parseTimeLimit(QLocale().toString(*limit)) != limit)
        std::abort();
    return 0;
}
