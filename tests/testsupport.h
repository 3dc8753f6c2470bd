#pragma once

#include "clock.h"
#include "forms.h"
#include "sessionscreen.h"

#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// A clock the test moves by hand.
class FakeClock : public Clock {
public:
    double now() const override { return seconds; }
    void advance(double by) { seconds += by; }
    double seconds = 50000.0;
};

// A whole program in a test: the form owner with every screen registered, a fake clock, a
// scripted input box and a record of the messages shown. It never quits the test process.
struct Harness {
    Harness();
    ~Harness();

    // The answers the input box gives, in order; an exhausted script answers as Cancel.
    QStringList answers;
    // The prompts it was asked, and the default entries offered.
    QStringList prompts;
    QStringList defaults;
    QStringList messages;
    int quitCalls = 0;

    FakeClock clock;
    Forms forms;

    // Starts the program on the title screen.
    void start();
    // Shows the screen declared under that name; a name outside the chain stops the test program.
    Form *show(const QString &screen);
    // Gives the screen declared under that name a stand-in.
    void replaceScreen(const QString &screen, Forms::Factory factory);
    Titre &titre() const { return titreOf(forms); }
    // Jumps to a screen of the chain, as if the screens before it had handed over: every other
    // screen is hidden, the loaded ones stay loaded.
    Form *showAlone(const QString &screen);
    // Lets the screens unloaded so far really go.
    static void flushDeletes();
};

// The base of the suites that make screens: before each test, any warning the test does not
// announce with QTest::ignoreMessage fails it; after it, what it may have changed is put back, and
// a window it left alive, shown or hidden, fails it.
class ScreenSuite : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
};

// Puts back what a test may have changed (the picture folders, the default locale), lets the
// unloaded screens go, and returns the names of the windows still alive, shown or hidden: there
// should be none.
QStringList tidyUpAfterTest();

// Makes the running test fail on any warning it does not announce with QTest::ignoreMessage.
void failOnUnexpectedWarnings();

// Clicks the named button of a screen with the mouse; false when the screen has no such button.
[[nodiscard]] bool clickButton(QWidget *screen, const char *name);

// Input as the platform feeds it to Qt, with its own timestamps, so that Qt itself makes a double
// click of a quick second press, as it does for a real mouse: a timeline in milliseconds, and the
// window under each point of the screen.
class PlatformInput {
public:
    // Each test starts well clear of the last one: no double click spans two tests.
    PlatformInput();

    void wait(int ms) { now += ulong(ms); }
    // A press and, 10 ms later, its release, on whatever window shows at that point of the screen.
    void click(const QPoint &global);
    // A key pressed and released on the screen's window.
    void key(QWidget *screen, Qt::Key key, const QString &text = QString());

    static constexpr int ReleaseAfter = 10;

private:
    void mouse(const QPoint &global, Qt::MouseButtons state, QEvent::Type type);

    static ulong now;
};

// The centre of a widget, on the screen.
QPoint centreOf(const QWidget *widget);
