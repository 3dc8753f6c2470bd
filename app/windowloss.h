#pragma once

#include <QAbstractNativeEventFilter>

class Forms;

// Ends the program in order when the window system destroys the window of a loaded screen from
// outside (another X client destroying it): Qt is not told, and without this the program would
// go on running with no window at all.
class WindowLossWatch : public QAbstractNativeEventFilter {
public:
    explicit WindowLossWatch(Forms &forms);

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    Forms &forms;
};
