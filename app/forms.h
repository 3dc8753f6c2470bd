#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <qwindowdefs.h>

#include <functional>
#include <memory>

class QWidget;
class Clock;
class Form;
class WindowLossWatch;

// The program's modal warning, showing its text as plain text, owned by the screen that shows it;
// with no owner, when no screen is left to own it, it is a window of its own.
void showWarning(QWidget *owner, const QString &text);

// Owns the chain of screens, in the order a candidate meets them, and the loaded ones: creates a
// screen on Show, forgets it on Unload, and ends the program. It also carries the seams a test
// replaces: the clock, the input box, the message
// box and the way the program quits.
class Forms : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<Form *(Forms &)>;
    // Each prompt and message names the screen that owns it.
    using InputBox = std::function<QString(
        QWidget *owner, const QString &prompt, const QString &title, const QString &defaultText)>;
    using MessageBox = std::function<void(QWidget *owner, const QString &text)>;

    explicit Forms(const Clock &clock, QObject *parent = nullptr);
    ~Forms() override;

    // Adds a screen at the end of the chain. Its row names the screen that follows it and, for a
    // screen a clock may close, the one that screen gives way to when the time is up.
    void addScreen(
        const QString &name, Factory factory, const QString &next, const QString &afterTimeOut = QString());
    // Makes the screen of that row another way from its next loading on (a test's stand-in).
    void replaceScreen(int id, Factory factory);
    // The id of the screen declared under that name, or -1.
    int idOf(const QString &name) const;
    // The screens that follow the one of that row, as its row names them.
    QString nextOf(int id) const { return chain.at(id).next; }
    QString afterTimeOutOf(int id) const { return chain.at(id).afterTimeOut; }

    // Shows the screen, creating it and running its Form_Load first when it is not loaded.
    // Returns null when the program ended meanwhile. An id outside the chain is a programming
    // error: the program stops at once.
    Form *show(int id);
    // The same for the screen declared under that name; a name outside the chain is a
    // programming error too.
    Form *show(const QString &name);
    Form *find(int id) const;
    Form *find(const QString &name) const;
    template <class Screen> Screen *find() const
    {
        for (Form *form : loaded) {
            if (auto screen = qobject_cast<Screen *>(form))
                return screen;
        }
        return nullptr;
    }
    bool isLoaded(const QString &name) const { return find(name) != nullptr; }
    QStringList loadedNames() const;
    QStringList visibleNames() const;

    // Ends the program at once: every screen goes and no further handler runs.
    void End();
    // Whether the native window of that id is a loaded screen's.
    bool ownsWindow(WId window) const;
    bool hasEnded() const { return ended; }

    // A French message to the candidate, in a modal box above the screen that owns it; null when
    // no screen shows (before the first, or after the last has gone).
    void showMessage(QWidget *owner, const QString &text) const;
    // Ends the program in an orderly way and tells the candidate why: the screens close first,
    // so nothing acts under the message.
    void fatalError(const QString &text);

    const Clock &clock() const { return *currentClock; }
    QString inputBox(
        QWidget *owner, const QString &prompt, const QString &title, const QString &defaultText) const;

    void setClock(const Clock &clock) { currentClock = &clock; }
    void setInputBox(InputBox box) { input = std::move(box); }
    void setMessageBox(MessageBox box) { message = std::move(box); }
    void setQuit(std::function<void()> quitFunction) { quit = std::move(quitFunction); }

private:
    friend class Form;
    void unload(Form *form);
    void closeAll();

    struct Row {
        QString name;
        Factory make;
        QString next;
        QString afterTimeOut;
    };

    const Clock *currentClock;
    std::unique_ptr<WindowLossWatch> windowLoss;
    QList<Row> chain;
    QList<Form *> loaded;
    bool ended = false;
    InputBox input;
    MessageBox message;
    std::function<void()> quit;
};
