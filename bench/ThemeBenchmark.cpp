// The theme core's whole save road against a plain copy of the same bytes.

#include "BenchThemes.h"
#include "theme/ThemeReader.h"
#include "theme/ThemeWriter.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

namespace {

namespace theme = tintwright::theme;

struct Files {
    Files()
    {
        folder = std::filesystem::temp_directory_path() / "tintwright-benchmark";
        std::filesystem::create_directories(folder);
        source = (folder / "Largest.ask").string();
        target = (folder / "myLargest.ask").string();
        tintwright::bench::writeText(source, tintwright::bench::largestTheme());
    }
    ~Files() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    std::string source;
    std::string target;
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

// The baseline: read the file's bytes and write them out, nothing else.
void BM_CopyBytesBaseline(benchmark::State& state)
{
    const Files& paths = files();
    std::vector<char> bytes(std::filesystem::file_size(paths.source));
    for (auto _ : state) {
        std::FILE* in = std::fopen(paths.source.c_str(), "rb");
        const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), in);
        std::fclose(in);
        std::FILE* out = std::fopen(paths.target.c_str(), "wb");
        std::fwrite(bytes.data(), 1, got, out);
        std::fclose(out);
        benchmark::DoNotOptimize(got);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_CopyBytesBaseline)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
