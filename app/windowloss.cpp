#include "windowloss.h"

#include "forms.h"

#include <QCoreApplication>

#ifdef PILOTES_XCB
#include <xcb/xproto.h>
#endif

WindowLossWatch::WindowLossWatch(Forms &forms)
    : forms(forms)
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

bool WindowLossWatch::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
#ifdef PILOTES_XCB
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & ~0x80) != XCB_DESTROY_NOTIFY)
        return false;
    const auto destroyed = static_cast<const xcb_destroy_notify_event_t *>(message);
    // Qt is still inside its own dispatch of this event: the screens close once it is done.
    if (forms.ownsWindow(WId(destroyed->window)))
        QMetaObject::invokeMethod(&forms, &Forms::End, Qt::QueuedConnection);
#else
    Q_UNUSED(eventType)
    Q_UNUSED(message)
#endif
    return false;
}
