#pragma once

#include <QWidget>

class Forms;
class QTimer;

// The caption of every window of the program, message boxes included.
QString windowCaption();

// One screen of the chain. Show, Hide, Unload and End carry the whole flow; Form_Load runs
// once per loading, when Show creates the screen.
class Form : public QWidget {
    Q_OBJECT
public:
    void Show();
    void Hide();
    // Safe from the screen's own handlers: the object goes only once control is back in the
    // event loop, and its timers and buttons are dead from this call on.
    void Unload();
    void End();

    bool isLoaded() const { return loaded; }

protected:
    Form(Forms &forms, int clientWidthTwips, int clientHeightTwips);

    virtual void Form_Load() { }

    // A timer owned by this screen, disabled, that dies with it.
    QTimer *makeTimer(int intervalMs);
    // Shows the screen that the chain names after this one.
    void showNext();
    // Shows the screen that the chain names for this one when a clock runs out on it.
    void showAfterTimeOut();

    void closeEvent(QCloseEvent *event) override;

    Forms &forms;

private:
    friend class Forms;
    void stopTimers();

    int id = -1;
    bool loaded = false;
    bool placed = false;
};
