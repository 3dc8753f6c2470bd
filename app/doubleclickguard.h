#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>

class QMouseEvent;
class QWindow;

// One click answers once, on the screen it was meant for. When a click hands over to a new
// screen, the second press of a double click begun there falls on whatever the new screen has
// in that place: that press is dropped before any widget sees it, so it neither clicks nor moves
// the focus. Every other press reaches the screen, however fast (the screens' buttons take Qt's
// double-click event as the press it is).
// Presses are paired here as Qt pairs them, with one difference: a key typed between two presses
// shows the candidate acting on the screen now showing, so the next press begins a new pair.
// Qt's own pairing ignores keys, and would begin its pairs one press out of step with ours.
class DoubleClickGuard : public QObject {
public:
    // Watches every window's input from now on.
    explicit DoubleClickGuard(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Whether the press is the second of a pair; if it is not, it begins one.
    bool completesPair(QWindow *window, const QMouseEvent *press);

    // The first press of the pair the next press may complete.
    bool pairBegun = false;
    QPointer<QWindow> firstWindow; // null once that window has gone
    quint64 firstTimestamp = 0;
    Qt::MouseButton firstButton = Qt::NoButton;
    QPointF firstPosition;
};
