#pragma once

#include <QString>

class QDialog;
class QWidget;

// Runs a modal dialog over the screen that owns it (its parent), Enter acting on its release,
// then gives that screen the keyboard back: where it goes once the dialog is gone is otherwise
// the window manager's choice.
int execOwned(QDialog &dialog);

// The modal text-input question, with French buttons, owned by the screen that asks: it stays
// above that screen, has no taskbar button of its own, and gives the keyboard back to it when it
// closes. Returns the typed text, or an empty string when the candidate cancels.
QString askText(QWidget *owner, const QString &prompt, const QString &title, const QString &defaultText);
