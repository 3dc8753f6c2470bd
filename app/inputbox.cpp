#include "inputbox.h"

#include "controls.h"

#include <QApplication>
#include <QFontMetrics>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>

namespace {

constexpr int MinimumPromptWidth = 360;
// What the window frame needs besides the title: its icon and buttons, and the margins.
constexpr int FrameButtonsRoom = 160;

// The dialog sizes itself to its contents and ignores a minimum width set on it: widen the
// prompt instead, so the frame has room for the whole title.
int promptWidth(const QString &title)
{
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    return std::max(MinimumPromptWidth, QFontMetrics(titleFont).horizontalAdvance(title) + FrameButtonsRoom);
}

// The Enter that opened the prompt, held down, must not answer it empty.
class InputDialog : public QInputDialog {
public:
    using QInputDialog::QInputDialog;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (!isRepeatedEnter(event))
            QInputDialog::keyPressEvent(event);
    }
};

} // namespace

int execOwned(QDialog &dialog)
{
    const int result = dialog.exec();
    if (QWidget *owner = dialog.parentWidget(); owner && owner->isVisible())
        owner->window()->activateWindow();
    return result;
}

QString askText(QWidget *owner, const QString &prompt, const QString &title, const QString &defaultText)
{
    InputDialog dialog(owner);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annuler"));
    if (auto label = dialog.findChild<QLabel *>())
        label->setMinimumWidth(promptWidth(title));
    if (execOwned(dialog) != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}
