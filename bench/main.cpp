// Measures the particle work of a frame on this machine's renderer and prints a table: the
// particle step, the particle pass drawn one sprite at a time and batched (with the window
// visible, and with a 1 x 1 scissor that leaves only submission and set-up), and the fill
// limit (the same pixels as a few full-window quads). Every round measures every pass once; a
// figure is the median over the rounds, a ratio the median of the ratios within each round.
// The last three lines are for scripts.
#include "platform/Display.h"
#include "platform/WindowSize.h"
#include "bench/ParticleScene.h"

#include <SDL.h>

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int ROUNDS = 21;
constexpr int STEPS_PER_SAMPLE = 10;
constexpr int COUNTS[] = {2500, 10000};
constexpr double STEP_TARGET_US = 50;
constexpr double FILL_RATIO_TARGET = 1.3;
constexpr double SUBMISSION_RATIO_TARGET = 3;

enum class Kind { Step, Pass, ScissoredPass };

/// One measured figure: microseconds per step or per pass, one sample per round.
struct Figure {
    Kind kind;
    std::function<void()> work;
    std::function<void()> prepare = [] {}; ///< untimed, before each sample
    std::vector<double> samples = {};
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double microsecondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
        .count();
}

/// A drawing pass on a cleared window, timed from an idle renderer until it has finished.
double timePass(ParticleScene& scene, bool scissor, const std::function<void()>& pass) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    if (scissor) {
        glEnable(GL_SCISSOR_TEST);
        glScissor(0, 0, 1, 1);
    }
    glFinish();
    const double microseconds = microsecondsOf([&] {
        scene.begin2D();
        pass();
        scene.end2D();
        glFinish();
    });
    glDisable(GL_SCISSOR_TEST);
    return microseconds;
}

double sample(ParticleScene& scene, const Figure& figure) {
    figure.prepare();
    if (figure.kind != Kind::Step)
        return timePass(scene, figure.kind == Kind::ScissoredPass, figure.work);
    return microsecondsOf([&] {
               for (int i = 0; i < STEPS_PER_SAMPLE; ++i)
                   figure.work();
           }) /
           STEPS_PER_SAMPLE;
}

/// Round 0 warms the driver up (shader compilation) and is not kept.
void measure(ParticleScene& scene, std::vector<Figure*> figures) {
    for (int round = 0; round <= ROUNDS; ++round)
        for (Figure* figure : figures) {
            const double microseconds = sample(scene, *figure);
            if (round > 0)
                figure->samples.push_back(microseconds);
        }
}

/// The median over the rounds of a / b within each round.
double ratio(const Figure& a, const Figure& b) {
    std::vector<double> ratios;
    for (size_t i = 0; i < a.samples.size(); ++i)
        ratios.push_back(a.samples[i] / b.samples[i]);
    return median(ratios);
}

/// The passes of one live count.
struct CountFigures {
    Figure oneAtATime, batched, oneAtATimeScissored, batchedScissored, fill;
    long pixels = 0;
};

std::string loadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return file ? one + " " + five + " " + fifteen : "unknown";
}

/// Connecting to a display server that has just started, or is busy, can fail for a moment,
/// so a few tries are made.
bool openWindow() {
    for (int attempt = 1; SDL_Init(SDL_INIT_VIDEO) != 0; ++attempt) {
        if (attempt == 20)
            return false;
        SDL_Delay(50);
    }
    char name[] = "particle_bench", windowed[] = "w";
    char* arguments[] = {name, windowed};
    return openDisplay(videoModeAttempts(2, arguments), WINDOW_WIDTH, WINDOW_HEIGHT) != nullptr;
}

const char* verdict(bool met) {
    return met ? "met" : "MISSED";
}

/// Points the figures of one live count at the scene's passes.
void setUp(CountFigures& c, ParticleScene& scene, int count) {
    c.oneAtATime = {Kind::Pass, [&scene, count] { scene.drawParticles(count, true); }};
    c.batched = {Kind::Pass, [&scene, count] { scene.drawParticles(count, false); }};
    c.oneAtATimeScissored = {Kind::ScissoredPass, c.oneAtATime.work};
    c.batchedScissored = {Kind::ScissoredPass, c.batched.work};
    c.fill = {Kind::Pass, [&scene, &c] { scene.drawFill(c.pixels); },
              [&scene, &c, count] { c.pixels = scene.coveredPixels(count); }};
}

/// One row of the table: a label, the value for each live count, and the target if any.
void printRow(const char* label, const CountFigures (&counts)[2],
              const std::function<double(const CountFigures&)>& value, const char* format,
              const std::string& target = "") {
    std::printf("%-44s", label);
    for (const CountFigures& count : counts) {
        char cell[32];
        std::snprintf(cell, sizeof cell, format, value(count));
        std::printf("%12s", cell);
    }
    std::printf("  %s\n", target.c_str());
}

std::function<double(const CountFigures&)> medianOf(Figure CountFigures::*figure) {
    return [figure](const CountFigures& c) { return median((c.*figure).samples); };
}

std::function<double(const CountFigures&)> ratioOf(Figure CountFigures::*a,
                                                   Figure CountFigures::*b) {
    return [a, b](const CountFigures& c) { return ratio(c.*a, c.*b); };
}

void printTable(const Figure& step, const CountFigures (&counts)[2], const std::string& load) {
    const double stepUs = median(step.samples);
    const double batchedOverFill = ratio(counts[1].batched, counts[1].fill);
    const double submission = ratio(counts[1].oneAtATimeScissored, counts[1].batchedScissored);
    std::printf("Renderer: %s, OpenGL %s\n", glGetString(GL_RENDERER), glGetString(GL_VERSION));
    std::printf("Load average before: %s, after: %s\n", load.c_str(), loadAverage().c_str());
    std::printf("Microseconds, median of %d rounds; ratios: median of the ratios within a "
                "round\n\n",
                ROUNDS);
    std::printf("%-44s%12s%12s  %s\n", "", "2500 live", "10000 live", "target at 10000");
    char target[64];
    std::snprintf(target, sizeof target, "<= %.0f us: %s", STEP_TARGET_US,
                  verdict(stepUs <= STEP_TARGET_US));
    std::printf("%-44s%12s%12.1f  %s\n", "particle step (10000 particles)", "", stepUs, target);
    printRow("particle pass, one at a time", counts, medianOf(&CountFigures::oneAtATime), "%.0f");
    printRow("particle pass, batched", counts, medianOf(&CountFigures::batched), "%.0f");
    printRow("1x1 scissor, one at a time", counts, medianOf(&CountFigures::oneAtATimeScissored),
             "%.0f");
    printRow("1x1 scissor, batched", counts, medianOf(&CountFigures::batchedScissored), "%.0f");
    printRow("fill limit (same pixels, full-window quads)", counts, medianOf(&CountFigures::fill),
             "%.0f");
    printRow(
        "  pixels drawn", counts, [](const CountFigures& c) { return double(c.pixels); }, "%.0f");
    std::snprintf(target, sizeof target, "<= %.1f: %s", FILL_RATIO_TARGET,
                  verdict(batchedOverFill <= FILL_RATIO_TARGET));
    printRow("batched / fill limit", counts, ratioOf(&CountFigures::batched, &CountFigures::fill),
             "%.2f", target);
    printRow("one at a time / batched, window visible", counts,
             ratioOf(&CountFigures::oneAtATime, &CountFigures::batched), "%.2f");
    std::snprintf(target, sizeof target, ">= %.0f: %s", SUBMISSION_RATIO_TARGET,
                  verdict(submission >= SUBMISSION_RATIO_TARGET));
    printRow("one at a time / batched, 1x1 scissor", counts,
             ratioOf(&CountFigures::oneAtATimeScissored, &CountFigures::batchedScissored), "%.2f",
             target);
    std::printf("\nstep_us_10000 %.1f\n", stepUs);
    std::printf("batched_over_fill %.3f\n", batchedOverFill);
    std::printf("immediate_over_batched_scissor %.3f\n", submission);
}

} // namespace

int main() {
    if (!openWindow()) {
        std::fprintf(stderr, "particle_bench: no OpenGL window: %s\n", SDL_GetError());
        return 1;
    }
    ParticleScene scene;
    if (!scene.load()) {
        std::fprintf(stderr, "particle_bench: data/flare.png not found (run it from the "
                             "repository root)\n");
        return 1;
    }
    const std::string loadBefore = loadAverage();
    // The step is measured on its own: right after a pass the renderer's threads are still
    // tidying up on the same two cores.
    Figure step{Kind::Step, [&scene] { scene.step(ParticleScene::MAX_PARTICLES); }};
    measure(scene, {&step});
    CountFigures counts[2];
    std::vector<Figure*> figures;
    for (int i = 0; i < 2; ++i) {
        setUp(counts[i], scene, COUNTS[i]);
        CountFigures& c = counts[i];
        figures.insert(figures.end(), {&c.oneAtATime, &c.batched, &c.oneAtATimeScissored,
                                       &c.batchedScissored, &c.fill});
    }
    measure(scene, figures);
    printTable(step, counts, loadBefore);
    return 0;
}
