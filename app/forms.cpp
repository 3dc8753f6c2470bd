#include "forms.h"

#include "doubleclickguard.h"
#include "form.h"
#include "inputbox.h"
#include "windowloss.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>

void showWarning(QWidget *owner, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, windowCaption(), text, QMessageBox::Ok, owner);
    // Messages quote what was typed and file names: "<b>" or "<img src=...>" must show as typed.
    box.setTextFormat(Qt::PlainText);
    execOwned(box);
}

namespace {

// Every screen is grey, from one palette that all of them share, held by the application for the
// screens' class: the style caches each button face under its palette, so a palette of each
// screen's own would add the faces of every screen shown to the cache, without end. Compared
// at each loading, as a new style or desktop theme puts back the application's palettes.
void shareScreenPalette()
{
    QPalette grey = QApplication::palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    // With nothing marked as its own, each screen and control takes the palette as it is, shared,
    // instead of a copy of its own merged with it.
    grey.setResolveMask(0);
    if (QApplication::palette(Form::staticMetaObject.className()) != grey)
        QApplication::setPalette(grey, Form::staticMetaObject.className());
}

} // namespace

Forms::Forms(const Clock &clock, QObject *parent)
    : QObject(parent)
    , currentClock(&clock)
    , windowLoss(std::make_unique<WindowLossWatch>(*this))
    , input(askText)
    , message(showWarning)
    , quit([] { QCoreApplication::quit(); })
{
    new DoubleClickGuard(this);
}

Forms::~Forms()
{
    qDeleteAll(loaded);
}

void Forms::addScreen(const QString &name, Factory factory, const QString &next, const QString &afterTimeOut)
{
    chain.append({ name, std::move(factory), next, afterTimeOut });
}

void Forms::replaceScreen(int id, Factory factory)
{
    chain[id].make = std::move(factory);
}

int Forms::idOf(const QString &name) const
{
    for (int id = 0; id < chain.size(); ++id) {
        if (chain.at(id).name == name)
            return id;
    }
    return -1;
}

Form *Forms::show(int id)
{
    if (id < 0 || id >= chain.size())
        qFatal("No screen %d in a chain of %d", id, int(chain.size()));
    if (ended)
        return nullptr;
    Form *form = find(id);
    if (!form) {
        shareScreenPalette();
        const Row &row = chain.at(id);
        form = row.make(*this);
        form->setObjectName(row.name);
        form->id = id;
        form->loaded = true;
        loaded.append(form);
        form->Form_Load();
        if (!form->loaded) // the load itself ended the program
            return nullptr;
    }
    if (!form->placed) {
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            QRect frame = form->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            form->move(frame.topLeft());
        }
        form->placed = true;
    }
    form->show();
    form->activateWindow();
    return form;
}

Form *Forms::show(const QString &name)
{
    const int id = idOf(name);
    if (id < 0)
        qFatal("No screen %s in the chain", qPrintable(name));
    return show(id);
}

Form *Forms::find(int id) const
{
    for (Form *form : loaded) {
        if (form->id == id)
            return form;
    }
    return nullptr;
}

Form *Forms::find(const QString &name) const
{
    for (Form *form : loaded) {
        if (form->objectName() == name)
            return form;
    }
    return nullptr;
}

QStringList Forms::loadedNames() const
{
    QStringList names;
    for (const Form *form : loaded)
        names.append(form->objectName());
    return names;
}

QStringList Forms::visibleNames() const
{
    QStringList names;
    for (const Form *form : loaded) {
        if (form->isVisible())
            names.append(form->objectName());
    }
    return names;
}

void Forms::unload(Form *form)
{
    if (!form->loaded)
        return;
    form->loaded = false;
    loaded.removeOne(form);
    form->stopTimers();
    form->setEnabled(false);
    form->hide();
    form->deleteLater();
}

bool Forms::ownsWindow(WId window) const
{
    // internalWinId, not winId: asking a screen for its id would give it a native window.
    return std::any_of(loaded.cbegin(), loaded.cend(),
        [window](const Form *form) { return form->internalWinId() == window; });
}

void Forms::End()
{
    if (ended)
        return;
    closeAll();
    quit();
}

void Forms::fatalError(const QString &text)
{
    if (ended)
        return;
    // The message box runs its own event loop: no tick and no pending click may act under it,
    // so every screen goes first, its timers with it; the message is then the program's only
    // window, with a taskbar button of its own.
    closeAll();
    showMessage(nullptr, text);
    quit();
}

void Forms::closeAll()
{
    ended = true;
    while (!loaded.isEmpty())
        unload(loaded.constLast());
}

void Forms::showMessage(QWidget *owner, const QString &text) const
{
    message(owner, text);
}

QString Forms::inputBox(
    QWidget *owner, const QString &prompt, const QString &title, const QString &defaultText) const
{
    return input(owner, prompt, title, defaultText);
}
