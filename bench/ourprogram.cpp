#include "ourprogram.h"

#include "benchsupport.h"

#include "calcul1.h"
#include "picturebox.h"
#include "picturetest.h"
#include "program.h"
#include "reasoning/presentation3.h"
#include "reasoning/reasoningitem.h"
#include "reasoning/reasoningitems.h"
#include "resultats.h"
#include "testlist.h"
#include "titre.h"

#include <QAbstractButton>
#include <QDir>
#include <QEventLoop>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <functional>
#include <optional>

namespace {

// Long enough for any screen to come up on a loaded machine, short enough not to hang the run.
const double ScreenTimeoutSeconds = patience(10);

// The steady clock, which the answering passes move forward to skip the computation screen's
// wait: its timing is what the time-out passes measure. Frozen, it stands still but for the
// skips, so that no test runs out of time however slowly it is run, and every clock shows the
// same time.
class SkippingClock : public Clock {
public:
    double now() const override { return (frozenAt ? *frozenAt : steady.now()) + skipped; }
    void skip(double seconds) { skipped += seconds; }
    void freeze() { frozenAt = steady.now(); }

private:
    SteadyClock steady;
    double skipped = 0;
    std::optional<double> frozenAt;
};

double milliseconds(double seconds)
{
    return seconds * 1000;
}

// Walks the real chain of screens with real mouse clicks, waiting each time for what the
// candidate would see next.
class ChainWalker {
public:
    ChainWalker(PaintWatchingApplication &application, Program &program)
        : application(application)
        , forms(program.forms())
    {
        forms.setClock(clock);
        forms.setInputBox([](QWidget *, const QString &, const QString &, const QString &) {
            return QStringLiteral("Zoé");
        });
        forms.setMessageBox(
            [](QWidget *, const QString &text) { std::fprintf(stderr, "message: %s\n", qPrintable(text)); });
    }

    // Called with each screen on display before the walker acts on it, once per question.
    std::function<void(Form *)> onScreen = [](Form *) {};

    void freezeClock() { clock.freeze(); }

    bool answerEverything()
    {
        if (Form *title = screen())
            onScreen(title);
        if (!leave(screen(), "Command1"))
            return false;
        for (Form *current = screen(); current; current = screen()) {
            onScreen(current);
            if (auto test = qobject_cast<PictureTest *>(current)) {
                if (!answer(test))
                    return false;
            } else if (auto item = qobject_cast<ReasoningItem *>(current)) {
                if (!answer(item))
                    return false;
            } else if (qobject_cast<Calcul1 *>(current)) {
                clock.skip(ResultsSeconds);
                if (!waitForNextScreen(current))
                    return false;
            } else if (qobject_cast<Resultats *>(current)) {
                return expectScore(Tests::maximumScore()) && leave(current, "Command1");
            } else if (!leave(current, "Command1")) {
                return false;
            }
        }
        return false;
    }

    bool runOutOfTime(int limit)
    {
        titreOf(forms).Time = qint16(limit);
        if (!leave(screen(), "Command1"))
            return false;
        for (Form *current = screen(); current; current = screen()) {
            if (auto test = qobject_cast<PictureTest *>(current)) {
                if (!reportHandOver("test_lateness", test, test->StartTime + limit))
                    return false;
            } else if (qobject_cast<ReasoningItem *>(current)) {
                if (!reportHandOver("test_lateness", current, forms.find<Presentation3>()->Start + limit))
                    return false;
            } else if (auto calcul = qobject_cast<Calcul1 *>(current)) {
                QPointer<QWidget> frame = calcul->Frame1;
                application.watch([frame](const QWidget *widget) { return widget == frame; });
                if (!reportLateness("please_wait_lateness", calcul->StartTime + PleaseWaitSeconds, "Calcul1"))
                    return false;
                if (!reportHandOver("results_lateness", current, calcul->StartTime + ResultsSeconds))
                    return false;
            } else if (qobject_cast<Resultats *>(current)) {
                return expectScore(0) && leave(current, "Command1");
            } else if (!leave(current, "Command1")) {
                return false;
            }
        }
        return false;
    }

private:
    // The one screen on display, or null with a word on what went wrong.
    Form *screen() const
    {
        const QStringList visible = forms.visibleNames();
        if (visible.size() == 1)
            return forms.find(visible.first());
        std::fprintf(stderr, "expected one screen on display, found: %s\n", qPrintable(visible.join(' ')));
        return nullptr;
    }

    bool answer(PictureTest *test)
    {
        // Within the test the new question's picture is what the candidate waits for; after the
        // last question, the next screen.
        QPointer<QWidget> picture = test->Picture1;
        return clickAndReportLatency(test->Command2.at(test->bank().rightButton(test->QuestionNumber)),
            [picture, test](
                const QWidget *widget) { return widget == picture || isOtherScreen(widget, test); });
    }

    bool answer(ReasoningItem *item)
    {
        const std::string_view key = item->item().key;
        for (int box = 0; box < item->Text2.size(); ++box)
            QTest::keyClicks(item->Text2.at(box), QString(QLatin1Char(key[size_t(box)])));
        QCoreApplication::processEvents();
        return clickAndReportLatency(
            item->Command2, [item](const QWidget *widget) { return isOtherScreen(widget, item); });
    }

    bool clickAndReportLatency(QAbstractButton *button, PaintWatchingApplication::Target target)
    {
        const QString screenName = button->window()->objectName();
        application.watch(std::move(target));
        const double clicked = steadySeconds();
        QTest::mouseClick(button, Qt::LeftButton);
        return reportLateness("latency", clicked, screenName);
    }

    bool leave(Form *current, const char *buttonName)
    {
        auto button = current->findChild<QAbstractButton *>(QString::fromLatin1(buttonName));
        if (!button) {
            std::fprintf(stderr, "%s has no %s\n", qPrintable(current->objectName()), buttonName);
            return false;
        }
        application.watch([current](const QWidget *widget) { return isOtherScreen(widget, current); });
        QTest::mouseClick(button, Qt::LeftButton);
        return waitFor(current->objectName());
    }

    bool waitForNextScreen(Form *current)
    {
        const QString name = current->objectName();
        application.watch([current](const QWidget *widget) { return isOtherScreen(widget, current); });
        return waitFor(name);
    }

    bool reportHandOver(const char *key, Form *current, double due)
    {
        application.watch([current](const QWidget *widget) { return isOtherScreen(widget, current); });
        return reportLateness(key, due, current->objectName());
    }

    // Waits for the armed watch and reports how long after the instant it was painted.
    bool reportLateness(const char *key, double since, const QString &screenName)
    {
        const double painted = application.waitForPaint(ScreenTimeoutSeconds + ResultsSeconds);
        if (painted < 0)
            return stuck(screenName);
        report(key, milliseconds(painted - since));
        flushDeletes();
        return true;
    }

    bool waitFor(const QString &leaving)
    {
        if (application.waitForPaint(ScreenTimeoutSeconds) < 0)
            return stuck(leaving);
        flushDeletes();
        return true;
    }

    static bool stuck(const QString &screenName)
    {
        std::fprintf(stderr, "nothing new painted after %s\n", qPrintable(screenName));
        return false;
    }

    bool expectScore(int expected) const
    {
        if (titreOf(forms).Score == expected)
            return true;
        std::fprintf(stderr, "the pass scored %d, not %d\n", titreOf(forms).Score, expected);
        return false;
    }

    static bool isOtherScreen(const QWidget *widget, const Form *current)
    {
        return widget != current && qobject_cast<const Form *>(widget);
    }

    // The harness runs outside any event loop, where the screens unloaded would never go.
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    PaintWatchingApplication &application;
    Forms &forms;
    SkippingClock clock;
};

// Starts the program as main() does; returns the instant the title screen was painted, or a
// negative value when it never was.
double startOnTitle(PaintWatchingApplication &application, Program &program)
{
    application.watch([](const QWidget *widget) { return qobject_cast<const Titre *>(widget) != nullptr; });
    program.start();
    return application.waitForPaint(ScreenTimeoutSeconds);
}

// Lets the program check its question pictures, as it does right after the title screen is
// painted; returns the instant the check was done, or a negative value when it failed or never ran.
double waitForPictureCheck(Program &program)
{
    const double deadline = steadySeconds() + ScreenTimeoutSeconds;
    while (!program.picturesChecked() && steadySeconds() < deadline)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    if (!program.picturesChecked() || program.forms().hasEnded())
        return -1;
    return steadySeconds();
}

// Starts the program on its title screen and hands the chain to `walk`: 0 when both went through,
// 1 otherwise, as the passes return.
int walkFromTitle(PaintWatchingApplication &application, const std::function<bool(ChainWalker &)> &walk)
{
    Program program(application);
    if (startOnTitle(application, program) < 0 || waitForPictureCheck(program) < 0)
        return 1;
    ChainWalker walker(application, program);
    return walk(walker) ? 0 : 1;
}

} // namespace

namespace OurProgram {

int startUp(PaintWatchingApplication &application)
{
    Program program(application);
    const double painted = startOnTitle(application, program);
    stopCounting();
    if (painted < 0)
        return 1;
    const double checked = waitForPictureCheck(program);
    if (checked < 0)
        return 1;
    report("painted_at", painted);
    report("checked_at", checked);
    report("width", titreOf(program.forms()).width());
    report("height", titreOf(program.forms()).height());
    return 0;
}

int answerPasses(PaintWatchingApplication &application, int passes)
{
    return walkFromTitle(application, [passes](ChainWalker &walker) {
        for (int pass = 1; pass <= passes; ++pass) {
            if (!walker.answerEverything())
                return false;
            report("peak_after_pass", peakResidentMegabytes());
            report("resident_after_pass", residentMegabytes());
        }
        return true;
    });
}

int countedPass(PaintWatchingApplication &application)
{
    return walkFromTitle(application, [](ChainWalker &walker) {
        walker.freezeClock();
        startCounting();
        const bool walked = walker.answerEverything();
        stopCounting();
        return walked;
    });
}

int screenshots(PaintWatchingApplication &application, const QString &folder)
{
    const QStringList wanted = { "Titre", "Presentation1", "Test1", "Test3b", "Test4", "Resultats" };
    return walkFromTitle(application, [&wanted, &folder](ChainWalker &walker) {
        walker.freezeClock();
        QStringList taken;
        walker.onScreen = [&wanted, &folder, &taken](Form *screen) {
            const QString name = screen->objectName();
            if (!wanted.contains(name) || taken.contains(name))
                return;
            // The clocks show their time from their first tick on.
            QTest::qWait(300);
            if (screen->grab().save(QDir(folder).filePath(name + QStringLiteral(".png"))))
                taken.append(name);
        };
        if (!walker.answerEverything())
            return false;
        if (taken.size() == wanted.size())
            return true;
        std::fprintf(stderr, "screenshots taken: %s\n", qPrintable(taken.join(' ')));
        return false;
    });
}

int timeOutPasses(PaintWatchingApplication &application, int passes)
{
    return walkFromTitle(application, [passes](ChainWalker &walker) {
        for (int pass = 0; pass < passes; ++pass) {
            if (!walker.runOutOfTime(timeLimitOfPass(pass)))
                return false;
        }
        return true;
    });
}

} // namespace OurProgram
