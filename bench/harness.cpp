// The benchmark harness. It runs the real program's screens, and a bare Qt window built in the
// same tree, in child processes of its own, and prints one table: each figure for the program,
// for the bare window (the floor: what any Qt program costs), and their ratio. bench/run.sh
// builds it and gives it a private X server when there is no display; by hand:
//   ./bench/bench_pilotes [--start-ups N] [--time-out-passes N]
//   ./bench/bench_pilotes --screenshots FOLDER
#include "benchsupport.h"
#include "ourprogram.h"

#include "pictures.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <optional>
#include <vector>

namespace {

// The memory goals look at pass 5; the later passes show that nothing grows on a long run.
constexpr int AnswerPasses = 20;
constexpr int GrowthGoalPass = 5;

using Samples = QMap<QString, std::vector<double>>;

double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    const auto rank = size_t(std::ceil(fraction * double(values.size())));
    return values[std::max<size_t>(rank, 1) - 1];
}

double median(const std::vector<double> &values)
{
    return percentile(values, 0.5);
}

double maximum(const std::vector<double> &values)
{
    return percentile(values, 1.0);
}

QString firstLineOf(const QString &path, const QByteArray &prefix)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    for (QByteArray line = file.readLine(); !line.isEmpty(); line = file.readLine()) {
        if (line.startsWith(prefix))
            return QString::fromUtf8(line.mid(prefix.size())).trimmed();
    }
    return QStringLiteral("?");
}

QString loadAverage()
{
    return firstLineOf(QStringLiteral("/proc/loadavg"), QByteArray()).section(' ', 0, 2);
}

// Whether a child runs under valgrind's callgrind, and where it starts counting instructions.
enum class Counting { None, FromProcessStart, FromChildsCall };

// A child process of the harness, started in an empty folder as from a launcher, so the
// pictures are found where an installed program finds them.
class Child {
public:
    Child(const QString &program, const QStringList &arguments, const QString &folder,
        Counting counting = Counting::None, const QString &countFile = QString())
        : countFile(countFile)
    {
        process.setWorkingDirectory(folder);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        startedAt = steadySeconds();
        if (counting == Counting::None) {
            process.start(program, arguments);
            return;
        }
        const QString fromStart = QString::fromLatin1(counting == Counting::FromProcessStart ? "yes" : "no");
        process.start(QStringLiteral("valgrind"),
            QStringList { "--tool=callgrind", "--quiet", "--callgrind-out-file=" + countFile,
                "--instr-atstart=" + fromStart, program }
                + arguments);
    }

    // Its samples, once it has ended well; under callgrind, "instructions" too.
    std::optional<Samples> finish()
    {
        process.waitForFinished(-1);
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            std::fprintf(stderr, "%s %s failed\n", qPrintable(process.program()),
                qPrintable(process.arguments().join(' ')));
            return std::nullopt;
        }
        Samples samples;
        for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() == 2)
                samples[QString::fromLatin1(fields[0])].push_back(fields[1].toDouble());
        }
        if (!countFile.isEmpty()) {
            const QString total = firstLineOf(countFile, "totals: ");
            if (total == QLatin1String("?")) {
                std::fprintf(stderr, "no instruction count in %s\n", qPrintable(countFile));
                return std::nullopt;
            }
            samples[QStringLiteral("instructions")].push_back(total.toDouble());
        }
        return samples;
    }

    double startedAt = 0;

private:
    QProcess process;
    QString countFile;
};

struct Figures {
    Samples ours;
    Samples floor;
    // The floor showing one line of text: start-up only, what the start-up goals are held against.
    Samples floorWithText;
};

// Who a start-up is measured on.
enum class Side { Ours, Floor, FloorWithText };
constexpr Side StartUpSides[] = { Side::Ours, Side::Floor, Side::FloorWithText };
constexpr int SideCount = int(std::size(StartUpSides));

class Harness {
public:
    Harness(int startUps, int timeOutPasses)
        : startUps(startUps)
        , timeOutPasses(timeOutPasses)
        , ourProgram(QCoreApplication::applicationFilePath())
        , bareWindow(QCoreApplication::applicationDirPath() + QStringLiteral("/bench_bare_window"))
    {
    }

    bool run()
    {
        const QString loadBefore = loadAverage();
        std::fprintf(stderr, "start-up (%d runs each)...\n", startUps);
        if (!measureStartUp())
            return false;
        std::fprintf(stderr, "answer latency and memory (%d passes)...\n", AnswerPasses);
        if (!measureAnswers())
            return false;
        std::fprintf(stderr, "instruction counts under callgrind (about two minutes)...\n");
        if (!countInstructions())
            return false;
        std::fprintf(stderr, "time-outs (%d passes, about %d s)...\n", timeOutPasses, timeOutSeconds());
        if (!measureTimeOuts())
            return false;
        printTable(loadBefore, loadAverage());
        return true;
    }

private:
    std::optional<Samples> runChild(
        const QString &program, const QStringList &arguments, double *startedAt = nullptr)
    {
        Child child(program, arguments, emptyFolder.path());
        if (startedAt)
            *startedAt = child.startedAt;
        return child.finish();
    }

    QStringList withSize(QStringList arguments) const
    {
        return arguments << QString::number(width) << QString::number(height);
    }

    // One start-up: from just before the process starts to its window painted.
    bool startOnce(Side side, bool keep)
    {
        double startedAt = 0;
        const auto samples = runChild(startUpProgram(side), startUpArguments(side), &startedAt);
        if (!samples || samples->value("painted_at").empty())
            return false;
        if (side == Side::Ours) {
            width = int(samples->value("width").at(0));
            height = int(samples->value("height").at(0));
        }
        if (keep) {
            figuresOf(side)["start_up"].push_back((samples->value("painted_at").at(0) - startedAt) * 1000);
            if (side == Side::Ours)
                figures.ours["checked"].push_back((samples->value("checked_at").at(0) - startedAt) * 1000);
        }
        return true;
    }

    QString startUpProgram(Side side) const { return side == Side::Ours ? ourProgram : bareWindow; }

    QStringList startUpArguments(Side side) const
    {
        switch (side) {
        case Side::Ours:
            return { "--child", "start-up" };
        case Side::Floor:
            return withSize({ "--start-up" });
        case Side::FloorWithText:
            return withSize({ "--start-up-with-text" });
        }
        return {};
    }

    Samples &figuresOf(Side side)
    {
        return side == Side::Ours ? figures.ours
            : side == Side::Floor ? figures.floor
                                  : figures.floorWithText;
    }

    bool measureStartUp()
    {
        // A first run of each fills the file cache and tells the window size; it is not counted.
        for (Side side : StartUpSides) {
            if (!startOnce(side, false))
                return false;
        }
        for (int run = 0; run < startUps; ++run) {
            // Rotate which side goes first, so none always starts on a cold machine or a warm one.
            for (int k = 0; k < SideCount; ++k) {
                if (!startOnce(StartUpSides[(run + k) % SideCount], true))
                    return false;
            }
        }
        return true;
    }

    bool measureAnswers()
    {
        const auto ours = runChild(ourProgram, { "--child", "answers", QString::number(AnswerPasses) });
        if (!ours)
            return false;
        merge(figures.ours, *ours);
        const auto clicks = QString::number(figures.ours.value("latency").size());
        const auto floor = runChild(bareWindow, withSize({ "--clicks", clicks }));
        if (!floor)
            return false;
        merge(figures.floor, *floor);
        return true;
    }

    bool count(const QString &program, const QStringList &arguments, Counting counting, Samples &into,
        const QString &key)
    {
        const QString countFile = countFolder.filePath(QStringLiteral("callgrind.%1.out").arg(++counted));
        Child child(program, arguments, emptyFolder.path(), counting, countFile);
        const auto samples = child.finish();
        if (!samples)
            return false;
        into[key] = samples->value("instructions");
        return true;
    }

    // One start-up of each side, and one pass of ours and of the floor. A pass of the floor is as
    // many clicks as a pass of the program has answers.
    bool countInstructions()
    {
        const auto clicksPerPass = QString::number(figures.ours.value("latency").size() / AnswerPasses);
        for (Side side : StartUpSides) {
            if (!count(startUpProgram(side), startUpArguments(side), Counting::FromProcessStart,
                    figuresOf(side), "start_up_instructions"))
                return false;
        }
        return count(ourProgram, { "--child", "counted-pass" }, Counting::FromChildsCall, figures.ours,
                   "pass_instructions")
            && count(bareWindow, withSize({ "--clicks", clicksPerPass }), Counting::FromChildsCall,
                figures.floor, "pass_instructions");
    }

    // Both sides wait at the same time: waiting costs next to nothing, and it halves the run.
    bool measureTimeOuts()
    {
        const QString passes = QString::number(timeOutPasses);
        Child ours(ourProgram, { "--child", "time-outs", passes }, emptyFolder.path());
        Child floor(bareWindow, withSize({ "--time-outs", passes }), emptyFolder.path());
        const auto ourSamples = ours.finish();
        const auto floorSamples = floor.finish();
        if (!ourSamples || !floorSamples)
            return false;
        merge(figures.ours, *ourSamples);
        merge(figures.floor, *floorSamples);
        return true;
    }

    int timeOutSeconds() const
    {
        int seconds = 0;
        for (int pass = 0; pass < timeOutPasses; ++pass)
            seconds += TimedTestsPerPass * timeLimitOfPass(pass) + ResultsSeconds;
        return seconds;
    }

    static void merge(Samples &into, const Samples &from)
    {
        for (auto it = from.begin(); it != from.end(); ++it)
            into[it.key()].insert(into[it.key()].end(), it.value().begin(), it.value().end());
    }

    void printRow(const QString &figure, double ours, double floor, const char *unit, const QString &goal,
        std::optional<bool> met) const
    {
        const QString ratio
            = std::isnan(floor) || floor <= 0 ? QStringLiteral("-") : QString::number(ours / floor, 'f', 2);
        const QString floorText
            = std::isnan(floor) ? QStringLiteral("-") : QString::number(floor, 'f', 1) + unit;
        // Padded as text, not bytes: the goals hold non-ASCII signs.
        const QString row = figure.leftJustified(44)
            + (QString::number(ours, 'f', 1) + unit).rightJustified(12) + floorText.rightJustified(12)
            + ratio.rightJustified(8) + QStringLiteral("   ") + goal.leftJustified(11)
            + QString::fromLatin1(met ? (*met ? "yes" : "NO") : "");
        std::printf("%s\n", qPrintable(row.trimmed()));
    }

    void printLateness(const QString &what, const char *key) const
    {
        const auto &ours = figures.ours.value(key);
        const auto &floor = figures.floor.value(key);
        const QString count = QStringLiteral(" (%1)").arg(ours.size());
        printRow(what + " median" + count, median(ours), median(floor), " ms", {}, {});
        printRow(what + " p99", percentile(ours, 0.99), percentile(floor, 0.99), " ms", "< 100 ms",
            percentile(ours, 0.99) < 100);
        printRow(what + " max", maximum(ours), maximum(floor), " ms", "< 150 ms", maximum(ours) < 150);
    }

    void printTable(const QString &loadBefore, const QString &loadAfter) const
    {
        std::printf("Platform %s%s, window %d x %d, Qt %s\n", qPrintable(QGuiApplication::platformName()),
            qPrintable(qEnvironmentVariableIsEmpty("DISPLAY")
                    ? QString()
                    : QStringLiteral(" on display ") + qgetenv("DISPLAY")),
            width, height, qVersion());
        std::printf("Machine %s, %d cores, load average %s before, %s after\n",
            qPrintable(firstLineOf(QStringLiteral("/proc/cpuinfo"), "model name\t: ")),
            QThread::idealThreadCount(), qPrintable(loadBefore), qPrintable(loadAfter));
        std::printf("\n%-44s%12s%12s%8s   %-11s%s\n", "figure", "ours", "floor", "ratio", "goal", "met");

        // Start-up is held against the floor showing one line of text: any window with text pays
        // the system's font configuration, which the bare window never reads.
        const auto &startUp = figures.ours.value("start_up");
        const double floorStartUp = median(figures.floorWithText.value("start_up"));
        printRow(QStringLiteral("start-up to title painted, median (%1)").arg(startUp.size()),
            median(startUp), floorStartUp, " ms", QString::fromUtf8("≤ 1.15×"),
            median(startUp) / floorStartUp <= 1.15);
        const double startUpCount = millions("start_up_instructions", figures.ours);
        const double floorStartUpCount = millions("start_up_instructions", figures.floorWithText);
        printRow("start-up to title painted, instructions", startUpCount, floorStartUpCount, " M",
            QString::fromUtf8("≤ 1.20×"), startUpCount / floorStartUpCount <= 1.20);
        // No goal: the question pictures are checked right after the title screen is painted,
        // before its "Suivant >" can act.
        printRow("start-up to question pictures checked, median", median(figures.ours.value("checked")),
            floorStartUp, " ms", {}, {});
        // No goal: against the bare window, which draws no text.
        printRow(
            "start-up, bare window", median(startUp), median(figures.floor.value("start_up")), " ms", {}, {});
        printRow("start-up, instructions, bare window", startUpCount,
            millions("start_up_instructions", figures.floor), " M", {}, {});

        const auto &latency = figures.ours.value("latency");
        const auto &floorLatency = figures.floor.value("latency");
        printRow(QStringLiteral("answer to next picture painted, median (%1)").arg(latency.size()),
            median(latency), median(floorLatency), " ms", QString::fromUtf8("≤ 1.2 ms"),
            median(latency) <= 1.2);
        printRow("answer to next picture painted, p99", percentile(latency, 0.99),
            percentile(floorLatency, 0.99), " ms", QString::fromUtf8("≤ 5 ms"),
            percentile(latency, 0.99) <= 5);
        printRow(
            "answer to next picture painted, max", maximum(latency), maximum(floorLatency), " ms", {}, {});
        const double passCount = millions("pass_instructions", figures.ours);
        const double floorPassCount = millions("pass_instructions", figures.floor);
        printRow("one pass of answers, instructions", passCount, floorPassCount, " M",
            QString::fromUtf8("≤ 12×"), passCount / floorPassCount <= 12);

        printLateness("test time-out to next screen,", "test_lateness");
        printLateness("computation 5 s step,", "please_wait_lateness");
        printLateness("computation 30 s step,", "results_lateness");

        const double floorPeak = figures.floor.value("peak").at(0);
        const auto &peaks = figures.ours.value("peak_after_pass");
        const double onePass = peaks.at(0);
        printRow("peak resident memory, 1 pass", onePass, floorPeak, " MB", QString::fromUtf8("≤ 1.12×"),
            onePass / floorPeak <= 1.12);
        printRow(QStringLiteral("peak resident memory, %1 passes").arg(peaks.size()), peaks.back(), floorPeak,
            " MB", {}, {});
        const QString growthGoal = QString::fromUtf8("≤ 0.5 MB");
        const double growth = peaks.at(GrowthGoalPass - 1) - onePass;
        printRow(QStringLiteral("growth from pass 1 to pass %1").arg(GrowthGoalPass), growth, NAN, " MB",
            growthGoal, growth <= 0.5);
        const double soakGrowth = peaks.back() - onePass;
        printRow(QStringLiteral("growth from pass 1 to pass %1").arg(peaks.size()), soakGrowth, NAN, " MB",
            growthGoal, soakGrowth <= 0.5);

        QStringList resident;
        for (double megabytes : figures.ours.value("resident_after_pass"))
            resident.append(QString::number(megabytes, 'f', 1));
        std::printf("\nresident memory after each pass, MB: %s\n", qPrintable(resident.join(' ')));
    }

    static double millions(const char *key, const Samples &samples)
    {
        const auto &counts = samples.value(key);
        return counts.empty() ? NAN : counts.front() / 1e6;
    }

    int startUps;
    int timeOutPasses;
    QString ourProgram;
    QString bareWindow;
    QTemporaryDir emptyFolder;
    QTemporaryDir countFolder;
    int counted = 0;
    int width = 0;
    int height = 0;
    Figures figures;
};

int childMode(PaintWatchingApplication &application, const QStringList &arguments)
{
    const QString mode = arguments.value(2);
    const int passes = arguments.value(3).toInt();
    if (mode == QLatin1String("start-up"))
        return OurProgram::startUp(application);
    if (mode == QLatin1String("answers"))
        return OurProgram::answerPasses(application, passes);
    if (mode == QLatin1String("counted-pass"))
        return OurProgram::countedPass(application);
    if (mode == QLatin1String("time-outs"))
        return OurProgram::timeOutPasses(application, passes);
    std::fprintf(stderr, "unknown child mode %s\n", qPrintable(mode));
    return 2;
}

int optionValue(const QStringList &arguments, const QString &option, int fallback)
{
    const int at = arguments.indexOf(option);
    return at >= 0 ? std::max(1, arguments.value(at + 1).toInt()) : fallback;
}

} // namespace

int main(int argc, char *argv[])
{
    // Without a display the screens still run, on Qt's offscreen platform; the table says which.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PaintWatchingApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    // Built below the program in the build folder, it reads the pictures the build drew.
    Pictures::setProgramFolders({ QStringLiteral(PILOTES_PICTURES_DIR) });
    if (arguments.value(1) == QLatin1String("--child"))
        return childMode(application, arguments);
    if (arguments.value(1) == QLatin1String("--screenshots"))
        return OurProgram::screenshots(application, arguments.value(2));

    Harness harness(
        optionValue(arguments, "--start-ups", 20), optionValue(arguments, "--time-out-passes", 4));
    return harness.run() ? 0 : 1;
}
