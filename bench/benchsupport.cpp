#include "benchsupport.h"

#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <valgrind/callgrind.h>

#include <chrono>
#include <cstdio>

double steadySeconds()
{
    using Seconds = std::chrono::duration<double>;
    return std::chrono::duration_cast<Seconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

namespace {

// A "Vm...:   1234 kB" line of /proc/self/status, in megabytes.
double statusMegabytes(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return -1;
}

} // namespace

double peakResidentMegabytes()
{
    return statusMegabytes("VmHWM:");
}

double residentMegabytes()
{
    return statusMegabytes("VmRSS:");
}

void report(const char *key, double value)
{
    std::printf("%s %.9f\n", key, value);
    std::fflush(stdout);
}

void startCounting()
{
    CALLGRIND_START_INSTRUMENTATION;
}

void stopCounting()
{
    CALLGRIND_STOP_INSTRUMENTATION;
}

double patience(double seconds)
{
    constexpr double ValgrindSlowdown = 100;
    return RUNNING_ON_VALGRIND ? seconds * ValgrindSlowdown : seconds;
}

int timeLimitOfPass(int pass)
{
    return 1 + pass % 3;
}

PaintWatchingApplication::PaintWatchingApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

void PaintWatchingApplication::watch(Target accepted)
{
    target = std::move(accepted);
    targetPainted = false;
    paintedAt = -1;
}

double PaintWatchingApplication::waitForPaint(double timeoutSeconds)
{
    if (paintedAt < 0 && target) {
        QEventLoop waiting;
        // Owned here rather than a single shot, which would stay behind until it fired and make
        // the harness's own memory grow with each wait.
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &waiting, &QEventLoop::quit);
        timeout.start(int(timeoutSeconds * 1000));
        loop = &waiting;
        waiting.exec();
        loop = nullptr;
    }
    target = nullptr;
    return paintedAt;
}

bool PaintWatchingApplication::notify(QObject *receiver, QEvent *event)
{
    if (target && event->type() == QEvent::Paint && receiver->isWidgetType()
        && target(static_cast<QWidget *>(receiver)))
        targetPainted = true;
    ++depth;
    const bool handled = QApplication::notify(receiver, event);
    // Paint events come nested in the dispatch that repaints and flushes the window.
    if (--depth == 0 && targetPainted && paintedAt < 0) {
        paintedAt = steadySeconds();
        target = nullptr;
        if (loop)
            loop->quit();
    }
    return handled;
}
