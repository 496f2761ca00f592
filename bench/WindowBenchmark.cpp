// The window's speed as a user meets it: opening the largest theme until its
// grid is listed and painted, and starting the program until its window shows.

#include "BenchThemes.h"
#include "support/FormDriver.h"
#include "window/Application.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <utility>
#include <vector>

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

// Midnight open with its preview shown: the preview's sketch, or null (the benchmark skipped).
QWidget* openPreviewOfMidnight(FormDriver& driver, benchmark::State& state)
{
    driver.openTheme(QStringLiteral(TINTWRIGHT_BENCH_SAMPLES "/Midnight.ask"));
    driver.button("okpreview")->click();
    auto* preview = driver.form->findChild<QWidget*>(QStringLiteral("PreviewWindow"));
    auto* sketch = driver.form->findChild<QWidget*>(QStringLiteral("sketch"));
    if (!sketch || !QTest::qWaitForWindowExposed(preview)) {
        state.SkipWithError("the preview did not open");
        return nullptr;
    }
    return sketch;
}

// From a colour picked in the grid (the dialog answering at once) to the preview's
// sketch repainted in it, on a 1280 x 1024 screen.
void BM_PickToRepaintedSketch(benchmark::State& state)
{
    FormDriver driver;
    QWidget* sketch = openPreviewOfMidnight(driver, state);
    if (!sketch) {
        return;
    }
    int shade = 0;
    for (auto _ : state) {
        driver.desktop.answerColor(QColor(shade % 256, 40, 90));
        driver.grid()->clickCellAt(7, 6);
        sketch->repaint();
        ++shade;
    }
    if (driver.document().ColorTable[7][tintwright::theme::ColorTableColumn::Changed] != 1) {
        state.SkipWithError("no colour was picked");
    }
}
BENCHMARK(BM_PickToRepaintedSketch)->Unit(benchmark::kMillisecond);

// From a base colour typed into "Recolour from base colours…" to the whole
// theme made from it, shown in the grid and repainted in the open preview.
void BM_RecolourToRepaintedSketch(benchmark::State& state)
{
    FormDriver driver;
    QWidget* sketch = openPreviewOfMidnight(driver, state);
    if (!sketch) {
        return;
    }
    bool ran = false;
    driver.desktop.answerDialog([&](QDialog& dialog) {
        auto* background = dialog.findChild<QLineEdit*>(QStringLiteral("background"));
        int shade = 0;
        for (auto _ : state) {
            background->setText(QColor(shade % 256, 30, 40).name());
            sketch->repaint();
            ++shade;
        }
        ran = true;
        return false;
    });
    driver.form->findChild<QAction*>(QStringLiteral("actionRecolour"))->trigger();
    if (!ran) {
        state.SkipWithError("the dialog did not open");
    }
}
BENCHMARK(BM_RecolourToRepaintedSketch)->Unit(benchmark::kMillisecond);

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

// One run of the start-up probe with `argument` (or none), on Qt's `platform`
// (or the benchmark's own): its seconds and peak memory, or nothing when it failed.
std::optional<std::pair<double, long>> runProbe(const char* argument, const char* platform = nullptr)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        if (platform != nullptr) {
            ::setenv("QT_QPA_PLATFORM", platform, 1);
        }
        ::execl(TINTWRIGHT_STARTUP_PROBE, TINTWRIGHT_STARTUP_PROBE, argument, nullptr);
        ::_exit(127);
    }
    int status = 0;
    rusage usage {};
    ::wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return std::make_pair(elapsed.count(), usage.ru_maxrss);
}

// A whole program start: process, libraries, application, window, first paint;
// with a theme argument also opening and listing the largest theme. Reports
// the peak memory of that process.
void programStart(benchmark::State& state, bool openTheme)
{
    const std::string theme = largestThemePath().toStdString();
    long peakKiB = 0;
    for (auto _ : state) {
        const auto run = runProbe(openTheme ? theme.c_str() : nullptr);
        if (!run) {
            state.SkipWithError("the start-up probe failed");
            break;
        }
        state.SetIterationTime(run->first);
        peakKiB = std::max(peakKiB, run->second);
    }
    state.counters["peak_MiB"] = static_cast<double>(peakKiB) / 1024.0;
}

// The program's start against a bare Qt window of the same size, in pairs run
// one right after the other, so both meet the same machine: the ratio of their medians.
void startAgainstBareWindow(benchmark::State& state, const char* platform)
{
    std::vector<double> program;
    std::vector<double> bare;
    for (auto _ : state) {
        const auto plain = runProbe("--bare", platform);
        const auto ours = runProbe(nullptr, platform);
        if (!plain || !ours) {
            state.SkipWithError("the start-up probe failed");
            break;
        }
        bare.push_back(plain->first);
        program.push_back(ours->first);
        state.SetIterationTime(ours->first);
    }
    const auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values.empty() ? 0.0 : values[values.size() / 2];
    };
    state.counters["bare_ms"] = median(bare) * 1000.0;
    state.counters["ratio"] = median(bare) > 0.0 ? median(program) / median(bare) : 0.0;
}

// On the offscreen screen, where no window system takes part.
void BM_ProgramStartAgainstBareWindow(benchmark::State& state)
{
    startAgainstBareWindow(state, nullptr);
}
BENCHMARK(BM_ProgramStartAgainstBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

// On an X11 display, as users start it: the window system asks for the title,
// the icon and the first picture (run under `xvfb-run -a` where there is none).
void BM_ProgramStartAgainstBareWindowOnX11(benchmark::State& state)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        state.SkipWithError("no X11 display (DISPLAY is empty): run under xvfb-run -a");
        return;
    }
    startAgainstBareWindow(state, "xcb");
}
BENCHMARK(BM_ProgramStartAgainstBareWindowOnX11)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

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
