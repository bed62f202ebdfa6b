// Loading the largest congregation the files can describe (909 publishers,
// 20 groups, 600 extended details records, 898 remarks) the way the main
// dialog does at start-up, and the per-paint fetch of a long name.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "common/file.h"
#include "congregation.h"
#include "data/data_files.h"
#include "data/extended_details.h"
#include "data/group_file.h"
#include "data/publisher_table.h"
#include "data/remark_table.h"

namespace {

// One generated maximum congregation for the whole run.
class MaximumCongregation {
public:
    static const std::string& Folder() {
        static const MaximumCongregation instance;
        return instance.folder_;
    }

private:
    MaximumCongregation() {
        std::random_device random;
        folder_ = (std::filesystem::temp_directory_path() / ("vorlant-bench-" + std::to_string(random())))
                      .string();
        vorlant::gen::GeneratorOptions options;
        options.maximum = true;
        if (!vorlant::gen::WriteCongregation(vorlant::gen::Generate(options), folder_)) std::abort();
    }
    ~MaximumCongregation() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string folder_;
};

struct LoadedData {
    vorlant::PublisherTable table;
    vorlant::GroupFile groups;
    vorlant::ExtendedDetails details;
    vorlant::RemarkTable remarks;
};

void BM_LoadCongregationData(benchmark::State& state) {
    const std::string& folder = MaximumCongregation::Folder();
    for (auto _ : state) {
        auto data = std::make_unique<LoadedData>();
        if (!data->table.Allocate()) state.SkipWithError("no memory");
        data->table.Load(data->groups, folder);
        data->details.CountRecords(folder);
        data->remarks.Load(data->table, folder);
        benchmark::DoNotOptimize(data->table.Count());
        benchmark::DoNotOptimize(data->remarks.Count());
    }
}
BENCHMARK(BM_LoadCongregationData)->Unit(benchmark::kMillisecond);

// The baseline of the load: the same four files read whole into fresh
// memory, with nothing interpreted.
void BM_ReadFilesOnly(benchmark::State& state) {
    const std::string& folder = MaximumCongregation::Folder();
    const char* const names[] = {vorlant::kPublisherFileName, vorlant::kGroupFileName,
                                 vorlant::kDetailsFileName, vorlant::kRemarkFileName};
    for (auto _ : state) {
        std::size_t total = 0;
        for (const char* name : names) {
            const vorlant::UniqueFile file = vorlant::OpenForReading(vorlant::PathIn(folder, name));
            if (!file) continue;
            std::fseek(file.get(), 0, SEEK_END);
            const long size = std::ftell(file.get());
            std::fseek(file.get(), 0, SEEK_SET);
            auto bytes = std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(size));
            total += vorlant::ReadUpTo(file.get(), bytes.get(), static_cast<std::size_t>(size));
            benchmark::DoNotOptimize(bytes.get());
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ReadFilesOnly)->Unit(benchmark::kMillisecond);

void BM_PublisherFileOnly(benchmark::State& state) {
    const std::string& folder = MaximumCongregation::Folder();
    vorlant::PublisherTable table;
    vorlant::GroupFile groups;
    if (!table.Allocate()) state.SkipWithError("no memory");
    for (auto _ : state) {
        table.Load(groups, folder);
        benchmark::DoNotOptimize(table.Count());
    }
}
BENCHMARK(BM_PublisherFileOnly)->Unit(benchmark::kMillisecond);

// The header panel fetches the selected publisher's long name from the file
// at every paint.
void BM_LongNameLookup(benchmark::State& state) {
    const std::string& folder = MaximumCongregation::Folder();
    auto data = std::make_unique<LoadedData>();
    if (!data->table.Allocate()) state.SkipWithError("no memory");
    data->table.Load(data->groups, folder);
    data->details.CountRecords(folder);
    int record = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(data->details.Lookup(data->table, record));
        record = record + 1 < data->table.Count() ? record + 1 : 1;
    }
}
BENCHMARK(BM_LongNameLookup)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
