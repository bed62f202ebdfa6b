// Sorting the largest table (909 publishers) by display name when it comes
// in reverse order, against std::stable_sort of the same names formatted
// beforehand: the first must stay within twice the second. Prints both
// times and their ratio.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "congregation.h"
#include "data/group_file.h"
#include "data/publisher_table.h"
#include "mainwin/publisher_list.h"
#include "support/polish_order.h"

namespace {

using vorlant::PublisherTable;

// The generated maximum congregation, loaded, sorted and then reversed;
// `reversed` keeps its records so that every run starts from them.
class ReversedCongregation {
public:
    static ReversedCongregation& Get() {
        static ReversedCongregation instance;
        return instance;
    }

    PublisherTable table;
    std::vector<std::uint8_t> reversed;
    std::vector<std::string> names;   // sort names of the reversed records, in their order

    void Restore() {
        std::memcpy(table.Record(0).data(), reversed.data(), reversed.size());
    }

private:
    ReversedCongregation() {
        std::random_device random;
        const std::filesystem::path folder =
            std::filesystem::temp_directory_path() / ("vorlant-bench-" + std::to_string(random()));
        vorlant::gen::GeneratorOptions options;
        options.maximum = true;
        vorlant::GroupFile groups;
        if (!vorlant::gen::WriteCongregation(vorlant::gen::Generate(options), folder.string()) ||
            !table.Allocate()) {
            std::abort();
        }
        table.Load(groups, folder.string());
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);

        vorlant::SortPublishers(table, 0, vorlant::test::ComparePolish);
        const int count = table.Count();
        for (int i = 1; i < count - i; ++i) table.SwapRecords(i, count - i);
        const auto all = std::span(table.Record(0).data(), static_cast<std::size_t>(count) * vorlant::publisher_record::kSize);
        reversed.assign(all.begin(), all.end());
        for (int i = 1; i < count; ++i) names.push_back(vorlant::SortName(table, i, 0));
    }
};

void BM_SortPublishers(benchmark::State& state) {
    ReversedCongregation& data = ReversedCongregation::Get();
    for (auto _ : state) {
        state.PauseTiming();
        data.Restore();
        state.ResumeTiming();
        vorlant::SortPublishers(data.table, 0, vorlant::test::ComparePolish);
        benchmark::DoNotOptimize(data.table.Record(1).data());
    }
    state.counters["publishers"] = data.table.Count() - 1;
}
BENCHMARK(BM_SortPublishers)->Unit(benchmark::kMicrosecond);

void BM_StableSortOfPrecomputedNames(benchmark::State& state) {
    const ReversedCongregation& data = ReversedCongregation::Get();
    std::vector<std::string> names;
    for (auto _ : state) {
        state.PauseTiming();
        names = data.names;
        state.ResumeTiming();
        std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
            return vorlant::test::ComparePolish(a.c_str(), b.c_str()) < 0;
        });
        benchmark::DoNotOptimize(names.data());
    }
    state.counters["publishers"] = static_cast<double>(data.names.size());
}
BENCHMARK(BM_StableSortOfPrecomputedNames)->Unit(benchmark::kMicrosecond);

// The console report, then the ratio of the two sorts' processor times,
// which other programs on a shared machine disturb less than the real times.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions the median stands for them all.
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (median || (run.run_type == Run::RT_Iteration && run.repetitions <= 1)) {
                times_[run.run_name.function_name] = run.GetAdjustedCPUTime();
            }
        }
    }

    void PrintRatio() const {
        const auto sort = times_.find("BM_SortPublishers");
        const auto baseline = times_.find("BM_StableSortOfPrecomputedNames");
        if (sort == times_.end() || baseline == times_.end() || baseline->second <= 0) return;
        std::printf("CPU time: publisher sort %.1f us, stable_sort of precomputed names %.1f us, ratio %.2f"
                    " (target 2.00 or less)\n",
                    sort->second, baseline->second, sort->second / baseline->second);
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio();
    benchmark::Shutdown();
    return 0;
}
