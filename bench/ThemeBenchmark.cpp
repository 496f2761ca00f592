// The theme core's whole save road against a plain copy of the same bytes.

#include "BenchThemes.h"
#include "sketch/Sketch.h"
#include "theme/PlatformFile.h"
#include "theme/ThemeReader.h"
#include "theme/ThemeWriter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
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
            row[theme::Red] = static_cast<std::int16_t>(255 - entry);
            row[theme::Green] = 128;
            row[theme::Blue] = static_cast<std::int16_t>(entry);
            row[theme::Changed] = 1;
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

// The whole sketch of a read theme: its colours by element and both views as SVG.
void BM_SketchOfThemeAsSvg(benchmark::State& state)
{
    const auto theme = tintwright::theme::readThemeFile(TINTWRIGHT_BENCH_SAMPLES "/Midnight.ask");
    for (auto _ : state) {
        const auto colors = tintwright::sketch::elementColors(*theme);
        benchmark::DoNotOptimize(tintwright::sketch::svgDocument(
            {&tintwright::sketch::sessionScene(), &tintwright::sketch::arrangementScene()}, colors));
    }
}
BENCHMARK(BM_SketchOfThemeAsSvg)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
