#include "inputbox.h"

#include "controls.h"

#include <QApplication>
#include <QFontMetrics>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>

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

// In a dialog, Enter acts when it is released, while the dialog is still there to receive the
// release. Acting on the press closes the dialog at once, and the release then reaches no window
// of the program until the window manager has handed the keyboard back to the screen. Under Wine,
// Qt then counts the key as still held, and takes the next Enter, on the screen, for a repeat of
// it, which the screens ignore: the first Enter after the dialog was lost.
class EnterOnRelease : public QObject {
public:
    explicit EnterOnRelease(const QDialog &dialog)
        : dialog(dialog)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (replaying || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            || !watched->isWidgetType() || static_cast<QWidget *>(watched)->window() != &dialog)
            return false;
        const auto key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->isAutoRepeat())
            return false;
        if (event->type() == QEvent::KeyPress) {
            pressedOn = static_cast<QWidget *>(watched);
            return true;
        }
        if (pressedOn != watched)
            return false;
        pressedOn.clear();
        QKeyEvent press(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
        replaying = true;
        QCoreApplication::sendEvent(watched, &press);
        replaying = false;
        return true;
    }

private:
    const QDialog &dialog;
    QPointer<QWidget> pressedOn;
    bool replaying = false;
};

} // namespace

int execOwned(QDialog &dialog)
{
    EnterOnRelease enterOnRelease(dialog);
    qApp->installEventFilter(&enterOnRelease);
    const int result = dialog.exec();
    qApp->removeEventFilter(&enterOnRelease);
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
