// Reading every account: the loader through the data layers against a plain SQLite loop
// that reads the same rows into fixed-width records.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data/module1.h"
#include "plain_sqlite.h"
#include "platform/vb/text.h"

namespace bench {
vb::String& database_path_setting();
}

namespace {

std::string login_of(int i) {
    return "user" + std::to_string(i);
}

std::filesystem::path database_with(int accounts) {
    return bench::database_with(accounts, login_of);
}

void BM_charger_comptes(benchmark::State& state) {
    bench::database_path_setting() = vb::from_utf8(database_with(int(state.range(0))).string());
    for (auto _ : state) {
        Module1::charger_comptes();
        benchmark::DoNotOptimize(Module1::nb_comptes);
    }
}

void BM_plain_sqlite(benchmark::State& state) {
    const auto path = database_with(int(state.range(0)));
    std::vector<bench::FixedRecord> records;
    for (auto _ : state) {
        bench::read_accounts(path, records);
        benchmark::DoNotOptimize(records.data());
    }
}

BENCHMARK(BM_charger_comptes)->Arg(1000)->Arg(10000)->Arg(32000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_plain_sqlite)->Arg(1000)->Arg(10000)->Arg(32000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
