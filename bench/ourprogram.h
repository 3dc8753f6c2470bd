#pragma once

class PaintWatchingApplication;
class QString;

// The real program under the harness, one mode per child process. Each mode writes its samples
// on standard output and returns the process's exit code.
namespace OurProgram {

// From the process start to the title screen painted; then to the question pictures checked,
// which the program does right after that first paint.
int startUp(PaintWatchingApplication &application);

// Whole passes where the candidate answers everything right at once: the latency of each answer,
// and the peak and resident memory after each pass.
int answerPasses(PaintWatchingApplication &application, int passes);

// One such pass, from the title screen painted to the title screen painted again, with the
// clocks stopped and its instructions counted.
int countedPass(PaintWatchingApplication &application);

// Whole passes where every test runs out of time, on the real clock: how late each hand-over is.
int timeOutPasses(PaintWatchingApplication &application, int passes);

// One pass with the clocks stopped, each screen kind candidates see saved as a PNG file into the
// folder on its first showing: what a change that must not show can be checked against.
int screenshots(PaintWatchingApplication &application, const QString &folder);

} // namespace OurProgram
