#include "inputbox.h"

#include <QInputDialog>

QString askText(const QString &prompt, const QString &title, const QString &defaultText)
{
    QInputDialog dialog;
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annuler"));
    // Wide enough for the whole title in the window frame.
    dialog.setMinimumWidth(400);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}
