// The window's speed as a user meets it: opening the largest theme until its
// grid is listed and painted, and starting the program until its window shows.

#include "BenchThemes.h"
#include "support/FormDriver.h"
#include "window/Application.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

using namespace tintwright::ui;
using namespace tintwright::ui::testing;

namespace {

QString largestThemePath()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("Largest.ask"));
        tintwright::bench::writeText(file.toStdString(), tintwright::bench::largestTheme());
        return file;
    }();
    return path;
}

// From the click on "OpenTheme" (the dialog answering at once) to the listed
// grid painted on the window.
void BM_OpenThemeToListedGrid(benchmark::State& state)
{
    const QString path = largestThemePath();
    for (auto _ : state) {
        state.PauseTiming();
        auto driver = std::make_unique<FormDriver>();
        driver->desktop.answerOpen(path);
        state.ResumeTiming();

        driver->button("okopendatei")->click();
        driver->grid()->viewport()->repaint();

        state.PauseTiming();
        if (driver->grid()->rows() != 170) {
            state.SkipWithError("the theme was not listed");
        }
        driver.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenThemeToListedGrid)->Unit(benchmark::kMillisecond);

// From the window's creation to its first paint, inside a running application.
void BM_WindowCreatedToShown(benchmark::State& state)
{
    for (auto _ : state) {
        ScriptedDesktop desktop;
        Form1 window(desktop);
        window.show();
        window.repaint();
        state.PauseTiming();
        window.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WindowCreatedToShown)->Unit(benchmark::kMillisecond);

// A whole program start: process, libraries, application, window, first paint;
// with a theme argument also opening and listing the largest theme. Reports
// the peak memory of that process.
void programStart(benchmark::State& state, bool openTheme)
{
    const std::string theme = largestThemePath().toStdString();
    long peakKiB = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t child = ::fork();
        if (child == 0) {
            ::execl(TINTWRIGHT_STARTUP_PROBE, TINTWRIGHT_STARTUP_PROBE, openTheme ? theme.c_str() : nullptr, nullptr);
            ::_exit(127);
        }
        int status = 0;
        rusage usage {};
        ::wait4(child, &status, 0, &usage);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the start-up probe failed");
            break;
        }
        peakKiB = std::max(peakKiB, usage.ru_maxrss);
    }
    state.counters["peak_MiB"] = static_cast<double>(peakKiB) / 1024.0;
}

void BM_ProgramStartToFirstPaint(benchmark::State& state)
{
    programStart(state, false);
}
BENCHMARK(BM_ProgramStartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ProgramStartAndOpenLargestTheme(benchmark::State& state)
{
    programStart(state, true);
}
BENCHMARK(BM_ProgramStartAndOpenLargestTheme)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char* argv[])
{
    // A screen that holds the whole window, as a user's does; the start-up probe inherits it.
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TINTWRIGHT_BENCH_SCREEN);
    QApplication application(argc, argv);
    prepareApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
