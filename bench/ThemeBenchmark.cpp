// The theme core's whole save road against a plain copy of the same bytes.

#include "BenchThemes.h"
#include "sketch/Sketch.h"
#include "theme/PlatformFile.h"
#include "theme/ThemeReader.h"
#include "theme/ThemeWriter.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace theme = tintwright::theme;

struct Files {
    Files()
    {
        folder = std::filesystem::temp_directory_path() / "tintwright-benchmark";
        std::filesystem::create_directories(folder);
        source = folder / "Largest.ask";
        target = folder / "myLargest.ask";
        tintwright::bench::writeText(source, tintwright::bench::largestTheme());
    }
    ~Files() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    std::filesystem::path source;
    std::filesystem::path target;
};

const Files& files()
{
    static const Files instance;
    return instance;
}

// Read, list, change every entry, rebuild and write: what open, edit and save do.
void BM_ReadListRewriteWrite(benchmark::State& state)
{
    const Files& paths = files();
    for (auto _ : state) {
        const auto content = theme::readThemeFile(paths.source);
        auto document = std::make_unique<theme::ThemeDocument>();
        theme::storeTheme(*document, *content);
        for (int entry = 1; entry <= document->EntryCount; ++entry) {
            theme::ColorTableRow& row = theme::colorTableRow(*document, entry);
            row[theme::ColorTableColumn::Red] = static_cast<std::int16_t>(255 - entry);
            row[theme::ColorTableColumn::Green] = 128;
            row[theme::ColorTableColumn::Blue] = static_cast<std::int16_t>(entry);
            row[theme::ColorTableColumn::Changed] = 1;
        }
        theme::saveTheme(*document, paths.target);
        benchmark::DoNotOptimize(document->LineCount);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations())
                            * static_cast<std::int64_t>(std::filesystem::file_size(paths.source)));
}
BENCHMARK(BM_ReadListRewriteWrite)->Unit(benchmark::kMicrosecond);

// The baseline: read the file's bytes and save them with the same durability
// as the core (a new file synced to the disk, then moved over the target and
// the folder synced), nothing else.
void BM_CopyBytesBaseline(benchmark::State& state)
{
    const Files& paths = files();
    const std::filesystem::path copy = paths.folder / "copy.tmp";
    std::vector<char> bytes(std::filesystem::file_size(paths.source));
    for (auto _ : state) {
        std::FILE* in = theme::platform::openForReading(paths.source);
        const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), in);
        std::fclose(in);
        bool created = false;
        theme::platform::writeNewFile(copy, std::string_view(bytes.data(), got), nullptr, created);
        theme::platform::replaceFile(copy, paths.target);
        benchmark::DoNotOptimize(got);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_CopyBytesBaseline)->Unit(benchmark::kMicrosecond);

// The whole sketch of a read theme: its colours by element and every view as SVG.
void BM_SketchOfThemeAsSvg(benchmark::State& state)
{
    const auto theme = tintwright::theme::readThemeFile(TINTWRIGHT_BENCH_SAMPLES "/Midnight.ask");
    for (auto _ : state) {
        const auto colors = tintwright::sketch::elementColors(*theme);
        benchmark::DoNotOptimize(tintwright::sketch::svgDocument(tintwright::sketch::allScenes(), colors));
    }
}
BENCHMARK(BM_SketchOfThemeAsSvg)->Unit(benchmark::kMillisecond);

// Seconds one run of tintwright-cli with these arguments takes, or a negative number when it failed.
double runCli(const std::vector<const char*>& arguments)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        const int nothing = ::open("/dev/null", O_WRONLY);
        ::dup2(nothing, STDOUT_FILENO);
        ::dup2(nothing, STDERR_FILENO);
        std::vector<char*> argv {const_cast<char*>(TINTWRIGHT_CLI)};
        for (const char* argument : arguments) {
            argv.push_back(const_cast<char*>(argument));
        }
        argv.push_back(nullptr);
        ::execv(TINTWRIGHT_CLI, argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? elapsed.count() : -1;
}

// `tintwright-cli generate` (a whole theme from three colours) in pairs with
// `tintwright-cli list` of the theme it wrote, as a user runs them: the ratio
// of the medians.
void BM_GenerateAgainstList(benchmark::State& state)
{
    const std::string made = (files().folder / "Generated.ask").string();
    const std::vector<const char*> generate = {"generate", "--background", "#1e1f22", "--foreground", "#e8e8e8",
                                               "--accent", "#ff9a3c",      "-o",      made.c_str()};
    std::vector<double> generated;
    std::vector<double> listed;
    for (auto _ : state) {
        const double one = runCli(generate);
        const double other = runCli({"list", made.c_str()});
        if (one < 0 || other < 0) {
            state.SkipWithError("tintwright-cli failed");
            break;
        }
        generated.push_back(one);
        listed.push_back(other);
        state.SetIterationTime(one);
    }
    const auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values.empty() ? 0.0 : values[values.size() / 2];
    };
    state.counters["list_ms"] = median(listed) * 1000.0;
    state.counters["ratio"] = median(listed) > 0.0 ? median(generated) / median(listed) : 0.0;
}
BENCHMARK(BM_GenerateAgainstList)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

} // namespace

BENCHMARK_MAIN();
