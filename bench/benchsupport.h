#pragma once

// What the harness and the bare window it is compared with share: the time base, the way they
// tell that something is on screen, and the way they hand their samples to the driver.
#include <QApplication>

#include <functional>

class QEventLoop;

// Seconds on the steady clock, the program's own time base. The same clock in every process of
// the machine, so a child's instants compare with its parent's.
double steadySeconds();

// The peak resident memory of this process so far (VmHWM), in megabytes.
double peakResidentMegabytes();

// The resident memory of this process now (VmRSS), in megabytes.
double residentMegabytes();

// One sample for the driver, on standard output: "key value".
void report(const char *key, double value);

// Instructions are counted by valgrind's callgrind, which the driver runs a child under: from the
// process start, or from the first startCounting(), to stopCounting(). Outside valgrind these do
// nothing.
void startCounting();
void stopCounting();
// How long to wait for something to come on screen: much longer under valgrind, which runs the
// program dozens of times slower.
double patience(double seconds);

// The time-out runs: the limit of the timed tests in each pass, 1 to 3 seconds.
int timeLimitOfPass(int pass);
constexpr int TimedTestsPerPass = 5;
// The computation screen's two steps, in seconds after it loads.
constexpr int PleaseWaitSeconds = 5;
constexpr int ResultsSeconds = 30;

// An application that tells when a widget is on screen: the instant the dispatch in which the
// widget got its paint event returns, so the painting and the flush to the display are done.
class PaintWatchingApplication : public QApplication {
public:
    using Target = std::function<bool(const QWidget *)>;

    PaintWatchingApplication(int &argc, char **argv);

    // Arms the watch: the next paint of a widget the target accepts is the one waited for.
    void watch(Target target);
    // Runs the event loop until that paint is done and returns its instant, or a negative value
    // when nothing was painted within the timeout.
    double waitForPaint(double timeoutSeconds);

protected:
    bool notify(QObject *receiver, QEvent *event) override;

private:
    Target target;
    bool targetPainted = false;
    double paintedAt = -1;
    int depth = 0;
    QEventLoop *loop = nullptr;
};
