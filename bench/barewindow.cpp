// The floor the harness holds the program against: a bare Qt Widgets window of the program's
// size, built in the same tree with the same flags, doing for each figure the least any Qt
// program does. One mode per run, samples on standard output:
//   bench_bare_window --start-up WIDTH HEIGHT
//   bench_bare_window --start-up-with-text WIDTH HEIGHT
//   bench_bare_window --clicks COUNT WIDTH HEIGHT
//   bench_bare_window --time-outs PASSES WIDTH HEIGHT
#include "benchsupport.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

const double TimeoutSeconds = patience(40);

// The instant the window is on screen, or a negative value when it never came.
double showAndWait(PaintWatchingApplication &application, QWidget &window)
{
    application.watch([&window](const QWidget *widget) { return widget == &window; });
    window.show();
    return application.waitForPaint(TimeoutSeconds);
}

// With text, the window also pays for what any Qt program that draws a line of text pays: the
// system's font configuration read and its faces listed, one face loaded and rasterised.
int startUp(PaintWatchingApplication &application, QWidget &window, bool withText)
{
    if (withText)
        (new QLabel(QStringLiteral("Simulation de sélection"), &window))->move(20, 20);
    const double painted = showAndWait(application, window);
    stopCounting();
    if (painted < 0)
        return 1;
    report("painted_at", painted);
    return 0;
}

// A click that swaps the picture of a label, the least a question change costs.
int clicks(PaintWatchingApplication &application, QWidget &window, int count)
{
    QPixmap pictures[2] = { QPixmap(600, 250), QPixmap(600, 250) };
    pictures[0].fill(Qt::white);
    pictures[1].fill(Qt::lightGray);
    auto label = new QLabel(&window);
    label->setGeometry(40, 40, 600, 250);
    label->setPixmap(pictures[0]);
    auto button = new QPushButton(QStringLiteral("Suivant"), &window);
    button->move(40, 320);
    int shown = 0;
    QObject::connect(button, &QPushButton::clicked, label, [&] { label->setPixmap(pictures[++shown % 2]); });
    if (showAndWait(application, window) < 0)
        return 1;
    startCounting();
    for (int click = 0; click < count; ++click) {
        application.watch([label](const QWidget *widget) { return widget == label; });
        const double clicked = steadySeconds();
        QTest::mouseClick(button, Qt::LeftButton);
        const double painted = application.waitForPaint(TimeoutSeconds);
        if (painted < 0)
            return 1;
        report("latency", (painted - clicked) * 1000);
    }
    stopCounting();
    report("peak", peakResidentMegabytes());
    return 0;
}

// How late after it is due the window that a single-shot timer shows is painted.
bool reportDueShow(PaintWatchingApplication &application, const char *key, QWidget &shown, double due)
{
    application.watch([&shown](const QWidget *widget) { return widget == &shown; });
    const double painted = application.waitForPaint(TimeoutSeconds);
    if (painted < 0)
        return false;
    report(key, (painted - due) * 1000);
    return true;
}

// A precise timer: Qt's default for long single shots is a coarse one, which may fire early.
void showAfter(int seconds, QWidget &widget)
{
    QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &widget, &QWidget::show);
}

// The same rhythm as the program's time-out passes: five timed tests, then the computation.
int timeOuts(PaintWatchingApplication &application, QWidget &window, int passes)
{
    QWidget next;
    next.setFixedSize(window.size());
    auto frame = new QWidget(&window);
    frame->setGeometry(40, 40, 600, 100);
    frame->setAutoFillBackground(true);
    frame->hide();
    if (showAndWait(application, window) < 0)
        return 1;
    for (int pass = 0; pass < passes; ++pass) {
        const int limit = timeLimitOfPass(pass);
        for (int test = 0; test < TimedTestsPerPass; ++test) {
            const double started = steadySeconds();
            showAfter(limit, next);
            if (!reportDueShow(application, "test_lateness", next, started + limit))
                return 1;
            next.hide();
        }
        const double started = steadySeconds();
        showAfter(PleaseWaitSeconds, *frame);
        showAfter(ResultsSeconds, next);
        if (!reportDueShow(application, "please_wait_lateness", *frame, started + PleaseWaitSeconds)
            || !reportDueShow(application, "results_lateness", next, started + ResultsSeconds))
            return 1;
        frame->hide();
        next.hide();
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    PaintWatchingApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const QString mode = arguments.value(1);
    const int width = arguments.value(arguments.size() - 2).toInt();
    const int height = arguments.value(arguments.size() - 1).toInt();
    if (width <= 0 || height <= 0) {
        std::fprintf(stderr,
            "usage: bench_bare_window --start-up|--start-up-with-text|--clicks N|--time-outs N WIDTH "
            "HEIGHT\n");
        return 2;
    }
    QWidget window;
    window.setFixedSize(width, height);
    if (mode == QLatin1String("--start-up") || mode == QLatin1String("--start-up-with-text"))
        return startUp(application, window, mode.endsWith(QLatin1String("text")));
    const int count = arguments.value(2).toInt();
    if (mode == QLatin1String("--clicks"))
        return clicks(application, window, count);
    if (mode == QLatin1String("--time-outs"))
        return timeOuts(application, window, count);
    std::fprintf(stderr, "unknown mode %s\n", qPrintable(mode));
    return 2;
}
