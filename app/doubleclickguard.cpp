#include "doubleclickguard.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWindow>

DoubleClickGuard::DoubleClickGuard(QObject *parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool DoubleClickGuard::eventFilter(QObject *watched, QEvent *event)
{
    // Input reaches a window first, then the widget under it: the window's copy decides.
    auto window = qobject_cast<QWindow *>(watched);
    if (!window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto press = static_cast<const QMouseEvent *>(event);
        // Qt sends the second press of its pairs twice, flagged, then as a double click: widgets
        // never see the flagged copy.
        if (press->flags() & Qt::MouseEventCreatedDoubleClick)
            return false;
        const QWindow *first = firstWindow;
        return completesPair(window, press) && first != window;
    }
    case QEvent::KeyPress:
        pairBegun = false;
        return false;
    default:
        return false;
    }
}

bool DoubleClickGuard::completesPair(QWindow *window, const QMouseEvent *press)
{
    const QStyleHints *hints = QGuiApplication::styleHints();
    const QPointF moved = press->globalPosition() - firstPosition;
    const bool completes = pairBegun && press->button() == firstButton
        && press->timestamp() - firstTimestamp < quint64(hints->mouseDoubleClickInterval())
        && qAbs(moved.x()) <= hints->mouseDoubleClickDistance()
        && qAbs(moved.y()) <= hints->mouseDoubleClickDistance();
    pairBegun = !completes;
    if (pairBegun) {
        firstWindow = window;
        firstTimestamp = press->timestamp();
        firstButton = press->button();
        firstPosition = press->globalPosition();
    }
    return completes;
}
