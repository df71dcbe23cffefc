// Reading every account: the loader through the data layers against a plain SQLite loop
// that reads the same rows into fixed-width records.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "data/module1.h"
#include "plain_sqlite.h"
#include "vb/text.h"

namespace bench {
vb::String& database_path_setting();
}

namespace {

std::filesystem::path database_with(int accounts) {
    static std::map<int, std::filesystem::path> made;
    if (auto found = made.find(accounts); found != made.end()) {
        return found->second;
    }
    std::string folder = (std::filesystem::temp_directory_path() / "guichet-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        std::abort();
    }
    const auto path = std::filesystem::path(folder) / "bdd.mdb";
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, "CREATE TABLE compte (loggin TEXT, pwd TEXT); BEGIN;", nullptr, nullptr,
                 nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO compte VALUES (?, ?)", -1, &insert, nullptr);
    for (int i = 0; i < accounts; ++i) {
        std::string login = "user" + std::to_string(i);
        login.resize(50, ' ');
        const std::string password = "password" + std::to_string(i);
        sqlite3_bind_text(insert, 1, login.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, password.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return made[accounts] = path;
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
