#pragma once

class PaintWatchingApplication;

// The real program under the harness, one mode per child process. Each mode writes its samples
// on standard output and returns the process's exit code.
namespace OurProgram {

// From the process start to the title screen painted, with the question pictures checked.
int startUp(PaintWatchingApplication &application);

// Whole passes where the candidate answers everything right at once: the latency of each answer,
// and the peak memory after the first and after the last pass.
int answerPasses(PaintWatchingApplication &application, int passes);

// Whole passes where every test runs out of time, on the real clock: how late each hand-over is.
int timeOutPasses(PaintWatchingApplication &application, int passes);

} // namespace OurProgram
