#pragma once

#include <QString>

// The modal text-input question, with French buttons. Returns the typed text, or an empty
// string when the candidate cancels.
QString askText(const QString &prompt, const QString &title, const QString &defaultText);
