// Measures what a candidate waits for: the start-up check of every question picture, and the
// decoding of one question picture after a click. Run from the build folder:
//   ./bench/bench_pictures [repetitions]
#include "pictures.h"
#include "screenchain.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double percentile(std::vector<double> samples, double fraction)
{
    std::sort(samples.begin(), samples.end());
    return samples[static_cast<size_t>(fraction * double(samples.size() - 1))];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    Pictures::setProgramFolders({ QStringLiteral(PILOTES_PICTURES_DIR) });
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    const QStringList names = questionPictureNames();

    std::vector<double> checks;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        const int missing = int(Pictures::unreadable(names).size());
        checks.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (missing != 0) {
            std::fprintf(stderr, "%d question pictures missing: run from the build folder\n", missing);
            return 1;
        }
    }

    std::vector<double> loads;
    for (int i = 0; i < repetitions; ++i) {
        for (const QString &name : names) {
            QElapsedTimer timer;
            timer.start();
            QString error;
            if (Pictures::load(name, &error).isNull()) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(error));
                return 1;
            }
            loads.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
    }

    std::printf("start-up check of %lld pictures: median %.2f ms, p95 %.2f ms\n",
        static_cast<long long>(names.size()), percentile(checks, 0.5), percentile(checks, 0.95));
    std::printf("one question picture: median %.3f ms, p95 %.3f ms, max %.3f ms\n", percentile(loads, 0.5),
        percentile(loads, 0.95), percentile(loads, 1.0));
    return 0;
}
