#include "bench/Cases.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

// quillmark-bench [--quick] [--n=<files>] [case ...]
// Runs the named cases (all without names) at full size, small with --quick, or at the size
// given by --n, and prints one line per case.
namespace {

struct NamedCase {
    std::string_view name;
    CaseResult (*run)(const BenchContext&);
};

constexpr NamedCase kCases[] = {
    {"list", ListCase},           {"walk", WalkCase},           {"sort-name", SortNameCase},
    {"sort-size", SortSizeCase}, {"sort-date", SortDateCase}, {"add", AddCase},
    {"rename", RenameCase},       {"undo", UndoCase},           {"copy", CopyCase},
    {"csv", CsvCase},
};

constexpr std::size_t kFullSize = 100000;
constexpr std::size_t kQuickSize = 2000;

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::size_t files = kFullSize;
    std::vector<std::string_view> chosen;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--quick")
            files = kQuickSize;
        else if (argument.starts_with("--n="))
            files = std::strtoull(argv[i] + 4, nullptr, 10);
        else
            chosen.push_back(argument);
    }
    QTemporaryDir scratch;
    if (!scratch.isValid() || files == 0) {
        std::fprintf(stderr, "quillmark-bench: no scratch folder or no size\n");
        return 1;
    }
    const BenchContext context{files, scratch.path().toStdString() + '/'};
    int run = 0;
    for (const NamedCase& bench : kCases) {
        if (!chosen.empty() && std::find(chosen.begin(), chosen.end(), bench.name) == chosen.end())
            continue;
        const CaseResult result = bench.run(context);
        std::printf("case=%.*s n=%zu time_s=%.6f baseline_s=%.6f ratio=%.2f max_gap_ms=%.1f\n",
                    static_cast<int>(bench.name.size()), bench.name.data(), result.n,
                    result.seconds, result.baselineSeconds,
                    result.baselineSeconds > 0 ? result.seconds / result.baselineSeconds : 0.0,
                    result.maxGapMs);
        std::fflush(stdout);
        ++run;
    }
    if (run == 0) {
        std::fprintf(stderr, "quillmark-bench: no such case\n");
        return 1;
    }
    return 0;
}
