#include "form.h"

#include "forms.h"
#include "twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

QString windowCaption()
{
    return QStringLiteral("Simulation de Sélection Pilotes - VALDOR");
}

Form::Form(Forms &forms, int clientWidthTwips, int clientHeightTwips)
    : forms(forms)
{
    setWindowTitle(windowCaption());
    setFixedSize(twipsSize(clientWidthTwips, clientHeightTwips));
    // Grey from the palette every screen shares (see Forms::show).
    setAutoFillBackground(true);
}

void Form::Show()
{
    forms.show(id);
}

void Form::Hide()
{
    hide();
    // A hidden screen keeps its state, not its window: the window system's window and the
    // screen's picture in memory (megabytes) come back at the next showing. Once the event that
    // hid it is done, as that event may still be on its way through the window.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (isHidden())
                destroy();
        },
        Qt::QueuedConnection);
}

void Form::Unload()
{
    forms.unload(this);
}

void Form::End()
{
    forms.End();
}

QTimer *Form::makeTimer(int intervalMs)
{
    auto timer = new QTimer(this);
    timer->setInterval(intervalMs);
    // A coarse timer may fire up to 5 % early: the tick due on a whole second would find it not
    // yet passed, and a time-out would come one whole tick late.
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

void Form::showNext()
{
    forms.show(forms.nextOf(id));
}

void Form::showAfterTimeOut()
{
    forms.show(forms.afterTimeOutOf(id));
}

void Form::closeEvent(QCloseEvent *event)
{
    // Closing any window by its frame ends the whole program, as "Abandon" does: a candidate
    // must never be left with hidden screens still running.
    event->accept();
    if (loaded)
        forms.End();
}

void Form::stopTimers()
{
    for (QTimer *timer : findChildren<QTimer *>())
        timer->stop();
}
